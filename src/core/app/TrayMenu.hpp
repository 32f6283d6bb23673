#pragma once
// The tray icon's menu: its commands, and the entries as they are brought up to
// date each time before it opens. Entries whose window the program does not build yet (the
// update window) are left out rather than offered and doing nothing.
#include <cstdint>
#include <vector>

#include "platform/ApplicationPort.hpp"

namespace umbrix::app {

enum class TrayCommand : std::uint32_t {
    StartSilent = 1,  // "&Start silent (disables splash screen)"
    NormalOperation,
    StealthMode,
    StartWithWindows,  // "Start with &Windows"
    Close,  // "&Close Umbrix"
    ChangeIcon,  // "&Change Icon..."
    About,  // "&About"
    OpenMainWindow,  // "&Open main window"
    ShowPanicButton,  // "Show Panic Button on the desktop"
};

struct TrayMenuState {
    bool startSilent = false;  // "&Start silent ...": follows startSilent
    bool autoStart = false;  // "Start with &Windows"
    bool stealthAvailable = false;  // the exit-stealth hotkey has a dispatcher to bring the icon back
    bool mainWindowMayOpen = true;  // "&Open main window" is enabled
    bool panicButtonChecked = false;  // "Show Panic Button on the desktop"
};

// showTrayMenu: the entries in display order.
std::vector<platform::MenuEntry> trayMenuEntries(const TrayMenuState& state);

}  // namespace umbrix::app
