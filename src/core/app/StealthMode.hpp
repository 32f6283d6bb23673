#pragma once
// Stealth mode: the program keeps running and reacting to its hotkeys without its tray icon.
// The tray menu enters it after a confirmation; the exit-stealth hotkey (Shift+Alt+Backspace)
// leaves it. There is no flag of its own: it lasts as long as the icon is not active.
#include <functional>

#include "app/TrayIconPresence.hpp"
#include "hotkeys/GlobalHotkey.hpp"
#include "hotkeys/HotkeyText.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::app {

class StealthMode {
public:
    // `closeApplicationWindows`: the preparation every activation makes (closeApplicationWindows).
    StealthMode(platform::DialogPort& dialogs, const hotkeys::HotkeyText& text, TrayIconPresence& trayIcon,
                hotkeys::GlobalHotkey& exitStealth, std::function<void()> closeApplicationWindows);

    std::string confirmationText() const;

    // "Mode of operation" / "Switch to stealth mode": on Yes the program's windows close and
    // the icon goes, provided the exit-stealth hotkey is live to bring it back; otherwise the
    // user is told and nothing changes.
    void enterStealthMode();
    // "Mode of operation" / "Normal operation": the icon comes back (the exit-stealth hotkey
    // does the same through the activation). A shell that is busy is tried again by the icon.
    platform::IoResult returnToNormalOperation();

    bool active() const { return !trayIcon_.active(); }

private:
    platform::DialogPort& dialogs_;
    const hotkeys::HotkeyText& text_;
    TrayIconPresence& trayIcon_;
    hotkeys::GlobalHotkey& exitStealth_;
    std::function<void()> closeApplicationWindows_;
};

}  // namespace umbrix::app
