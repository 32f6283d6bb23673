#pragma once
// The simulated notification area: the program's icons by identifier, requests that fail on
// purpose (a shell still starting answers with a time-out), clicks and a re-created task bar.
#include <deque>
#include <map>

#include "platform/TrayPort.hpp"

namespace umbrix::sim {

class SimTray final : public platform::TrayPort {
public:
    platform::IoResult addIcon(const platform::TrayIconData& icon) override;
    platform::IoResult modifyIcon(const platform::TrayIconData& icon) override;
    platform::IoResult deleteIcon(std::uint32_t id) override;
    void setEventSink(platform::TrayEventSink* sink) override { sink_ = sink; }

    bool shows(std::uint32_t id) const { return icons.count(id) != 0; }
    // The user clicks an icon: its callback message with this mouse message.
    void click(std::uint32_t id, std::uint32_t mouseMessage);
    // Explorer restarts: every icon is gone and "TaskbarCreated" is broadcast.
    void recreateTaskbar();

    std::map<std::uint32_t, platform::TrayIconData> icons;
    // The next requests fail with these errors, one each, before the shell acts.
    std::deque<std::uint32_t> failures;
    int requests = 0;

private:
    bool failNow(platform::IoResult& result);
    platform::TrayEventSink* sink_ = nullptr;
};

}  // namespace umbrix::sim
