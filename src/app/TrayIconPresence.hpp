#pragma once
// Whether the program's icon is in the notification area: identifier 1, callback message
// WM_USER + 1, no tooltip. Stealth mode lasts exactly as long as the icon is not active.
#include "platform/TrayPort.hpp"

namespace umbrix::app {

class TrayIconPresence {
public:
    TrayIconPresence(platform::TrayPort& tray, platform::TrayIconImage image);
    TrayIconPresence(const TrayIconPresence&) = delete;
    TrayIconPresence& operator=(const TrayIconPresence&) = delete;

    // Adds the icon unless it is active; the shell's refusal is the result.
    platform::IoResult activate();
    // Removes the icon if it is active.
    platform::IoResult remove();
    // A new picture (the icon change); an active icon shows it at once.
    platform::IoResult changeImage(platform::TrayIconImage image);
    // The task bar was re-created and took every icon with it: an icon that was active is added
    // again; one removed on purpose (stealth mode) stays away.
    platform::IoResult addAgainAfterTaskbarCreated();
    bool active() const { return active_; }
    const platform::TrayIconData& data() const { return data_; }

private:
    platform::TrayPort& tray_;
    platform::TrayIconData data_;
    bool active_ = false;
};

}  // namespace umbrix::app
