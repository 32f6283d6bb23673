#include "app/TrayMenu.hpp"

namespace umbrix::app {

namespace {
platform::MenuEntry item(TrayCommand command, const char* caption) {
    platform::MenuEntry entry;
    entry.command = static_cast<std::uint32_t>(command);
    entry.caption = caption;
    return entry;
}
}  // namespace

std::vector<platform::MenuEntry> trayMenuEntries(const TrayMenuState& state) {
    platform::MenuEntry startSilent = item(TrayCommand::StartSilent, "&Start silent (disables splash screen)");
    startSilent.checked = state.startSilent;

    // A radio group with "Normal operation" marked; neither command moves the mark.
    platform::MenuEntry normal = item(TrayCommand::NormalOperation, "Normal operation");
    normal.checked = normal.radio = true;
    platform::MenuEntry stealth = item(TrayCommand::StealthMode, "Switch to stealth mode");
    stealth.radio = true;
    stealth.enabled = state.stealthAvailable;
    platform::MenuEntry mode;
    mode.caption = "Mode of operation";
    mode.submenu = {normal, stealth};

    platform::MenuEntry autoStart = item(TrayCommand::StartWithWindows, "Start with &Windows");
    autoStart.checked = state.autoStart;

    platform::MenuEntry openMainWindow = item(TrayCommand::OpenMainWindow, "&Open main window");
    openMainWindow.enabled = state.mainWindowMayOpen;

    platform::MenuEntry panicButton = item(TrayCommand::ShowPanicButton, "Show Panic Button on the desktop");
    panicButton.checked = state.panicButtonChecked;

    return {item(TrayCommand::About, "&About"),
            platform::MenuEntry{},
            item(TrayCommand::ChangeIcon, "&Change Icon..."),
            openMainWindow,
            platform::MenuEntry{},
            startSilent,
            mode,
            autoStart,
            panicButton,
            platform::MenuEntry{},
            item(TrayCommand::Close, "&Close Umbrix")};
}

}  // namespace umbrix::app
