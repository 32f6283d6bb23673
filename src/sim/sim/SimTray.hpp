#pragma once
// The simulated notification area: the program's icons by identifier, requests that fail on
// purpose (a shell still starting answers with a time-out, sometimes after acting all the same),
// clicks, a re-created task bar and the passing of time for the retry timer.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "platform/TrayPort.hpp"

namespace umbrix::sim {

enum class TrayRequest { Add, Modify, Delete };

class SimTray final : public platform::TrayPort {
public:
    platform::IoResult addIcon(const platform::TrayIconData& icon) override;
    platform::IoResult modifyIcon(const platform::TrayIconData& icon) override;
    platform::IoResult deleteIcon(std::uint32_t id) override;
    void setEventSink(platform::TrayEventSink* sink) override { sink_ = sink; }
    void startRetryTimer(std::uint32_t milliseconds) override;
    void stopRetryTimer() override { retryTimer.reset(); }

    bool shows(std::uint32_t id) const { return icons.count(id) != 0; }
    // The user clicks an icon: its callback message with this mouse message.
    void click(std::uint32_t id, std::uint32_t mouseMessage);
    // Explorer restarts: every icon is gone and "TaskbarCreated" is broadcast.
    void recreateTaskbar();
    // The message loop runs this long: the retry timer fires once per whole interval.
    void letTimePass(std::uint32_t milliseconds);

    // The next `times` requests of `kind` fail with `error` (errors::kTimeout,
    // errors::kNoErrorCode or any Win32 code). With `actsAnyway` the shell does what was asked
    // before it answers so: the late answer of a busy shell.
    void failNext(TrayRequest kind, std::uint32_t error, int times = 1, bool actsAnyway = false);

    std::map<std::uint32_t, platform::TrayIconData> icons;
    std::vector<TrayRequest> requestLog;  // every request, in order
    int requests = 0;
    std::optional<std::uint32_t> retryTimer;  // the running timer's interval

private:
    struct ScriptedFailure {
        std::uint32_t error;
        bool actsAnyway;
    };
    // The scripted answer for this request, if one is due; counts and logs the request.
    std::optional<ScriptedFailure> nextFailure(TrayRequest kind);
    static platform::IoResult answer(TrayRequest kind, bool done);

    std::map<TrayRequest, std::deque<ScriptedFailure>> failures_;
    platform::TrayEventSink* sink_ = nullptr;
    std::uint32_t sinceTimerStarted_ = 0;
};

}  // namespace umbrix::sim
