#pragma once
// Whether the program's icon is in the notification area: identifier 1, callback message
// WM_USER + 1, no tooltip. Stealth mode lasts exactly as long as the icon is not active.
//
// A shell that is still starting (the program started with Windows) answers with a time-out or
// without any error code. Such a request is tried again up to 31 times, one second apart, from
// the tray port's timer, so the program keeps answering meanwhile. Before adding or removing
// again, a modify request asks whether the earlier attempt took effect after all: an icon that
// can be modified is there, one that cannot is gone.
#include <cstdint>

#include "platform/TrayPort.hpp"

namespace umbrix::app {

class TrayIconPresence {
public:
    static constexpr int kRetries = 31;
    static constexpr std::uint32_t kRetryIntervalMilliseconds = 1000;

    TrayIconPresence(platform::TrayPort& tray, platform::IconLocation image);
    TrayIconPresence(const TrayIconPresence&) = delete;
    TrayIconPresence& operator=(const TrayIconPresence&) = delete;
    ~TrayIconPresence();

    // Each request below replaces a request still being retried, and returns the shell's first
    // answer; retrying() tells whether a failure is being tried again.

    // Adds the icon unless it is active.
    platform::IoResult activate();
    // Removes the icon if it is active.
    platform::IoResult remove();
    // A new picture (the icon change); an active icon shows it at once.
    platform::IoResult changeImage(platform::IconLocation image);
    // The task bar was re-created and took every icon with it: an icon that was active is added
    // again; one removed on purpose (stealth mode) stays away.
    platform::IoResult addAgainAfterTaskbarCreated();

    // The retry timer has elapsed: the next attempt of the pending request.
    void retryPendingRequest();

    bool active() const { return active_; }
    bool retrying() const { return pending_ != Request::None; }
    const platform::TrayIconData& data() const { return data_; }

private:
    enum class Request { None, Add, Modify, Delete };
    // A new request: one attempt now, and retries if the shell was busy.
    platform::IoResult start(Request request);
    platform::IoResult send(Request request);
    bool earlierAttemptTookEffect(Request request);
    void stopRetrying();

    platform::TrayPort& tray_;
    platform::TrayIconData data_;
    bool active_ = false;
    Request pending_ = Request::None;
    int retriesLeft_ = 0;
};

}  // namespace umbrix::app
