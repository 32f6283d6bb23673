#include "app/StealthMode.hpp"

namespace umbrix::app {

using platform::MessageBoxButtons;
using platform::MessageBoxIcon;
using platform::MessageBoxRequest;
using platform::MessageBoxResult;

StealthMode::StealthMode(platform::DialogPort& dialogs, const hotkeys::HotkeyText& text, TrayIconPresence& trayIcon,
                         hotkeys::GlobalHotkey& exitStealth, std::function<void()> closeApplicationWindows)
    : dialogs_(dialogs),
      text_(text),
      trayIcon_(trayIcon),
      exitStealth_(exitStealth),
      closeApplicationWindows_(std::move(closeApplicationWindows)) {}

std::string StealthMode::confirmationText() const {
    return "In stealth mode traces of the application are hidden. Press " +
           text_.formatHotkeyText(exitStealth_.hotkey()) + " to exit stealt mode. Do you want to continue?";
}

void StealthMode::enterStealthMode() {
    MessageBoxRequest confirm;
    confirm.text = confirmationText();
    confirm.caption = "Confirm";
    confirm.buttons = MessageBoxButtons::YesNoCancel;
    confirm.taskModal = true;
    if (dialogs_.messageBox(confirm) != MessageBoxResult::Yes) return;

    // The key that leaves stealth mode must work before the icon goes: without it the program
    // would vanish with no way back short of a restart. Usually it is active already.
    exitStealth_.setActive(true);
    if (!exitStealth_.active()) {
        MessageBoxRequest refused;
        refused.text = "Stealth mode needs the hotkey " + text_.formatHotkeyText(exitStealth_.hotkey()) +
                       " to end, but another program is using it. The tray icon stays.";
        refused.caption = "Error";
        refused.icon = MessageBoxIcon::Error;
        refused.taskModal = true;
        dialogs_.messageBox(refused);
        return;
    }
    if (closeApplicationWindows_) closeApplicationWindows_();
    (void)trayIcon_.remove();  // a shell that refuses leaves the icon: stealth mode simply did not start
}

platform::IoResult StealthMode::returnToNormalOperation() { return trayIcon_.activate(); }

}  // namespace umbrix::app
