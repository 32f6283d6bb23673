#include "app/TrayMenu.hpp"

#include "common/MenuItem.hpp"

namespace umbrix::app {

std::vector<platform::MenuEntry> trayMenuEntries(const TrayMenuState& state) {
    platform::MenuEntry startSilent = menuItem(TrayCommand::StartSilent, "&Start silent (disables splash screen)");
    startSilent.checked = state.startSilent;

    // A radio group with "Normal operation" marked; neither command moves the mark.
    platform::MenuEntry normal = menuItem(TrayCommand::NormalOperation, "Normal operation");
    normal.checked = normal.radio = true;
    platform::MenuEntry stealth = menuItem(TrayCommand::StealthMode, "Switch to stealth mode");
    stealth.radio = true;
    stealth.enabled = state.stealthAvailable;
    platform::MenuEntry mode;
    mode.caption = "Mode of operation";
    mode.submenu = {normal, stealth};

    platform::MenuEntry autoStart = menuItem(TrayCommand::StartWithWindows, "Start with &Windows");
    autoStart.checked = state.autoStart;

    platform::MenuEntry openMainWindow = menuItem(TrayCommand::OpenMainWindow, "&Open main window");
    openMainWindow.enabled = state.mainWindowMayOpen;

    platform::MenuEntry panicButton = menuItem(TrayCommand::ShowPanicButton, "Show Panic Button on the desktop");
    panicButton.checked = state.panicButtonChecked;

    return {menuItem(TrayCommand::About, "&About"),
            platform::MenuEntry{},
            menuItem(TrayCommand::ChangeIcon, "&Change Icon..."),
            openMainWindow,
            platform::MenuEntry{},
            startSilent,
            mode,
            autoStart,
            panicButton,
            platform::MenuEntry{},
            menuItem(TrayCommand::Close, "&Close Umbrix")};
}

}  // namespace umbrix::app
