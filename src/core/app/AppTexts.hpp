#pragma once
// Fixed names and texts of the application shell.
#include <string_view>

namespace umbrix::app {

inline constexpr std::string_view kProgramName = "Umbrix";

// The named mutex that exists exactly while an instance runs.
inline constexpr std::string_view kInstanceMutexName = "QZ";

inline constexpr std::string_view kAlreadyRunningText =
    "Umbrix is already running, to open the main window right click the icon in the system tray and "
    "select \"Open main window\"";

// The exit question while windows are hidden.
inline constexpr std::string_view kShowHiddenBeforeExitText =
    "There are windows that are hidden would you like to show them before you exit";

// The exit stopped because hidden windows could not all be shown again.
inline constexpr std::string_view kHiddenWindowsStayText =
    "Some hidden windows could not be shown again. Umbrix keeps running so that you can bring them back.";

// A default hotkey that another program holds: the user is told, since the key would do nothing.
inline constexpr std::string_view kDefaultHotkeysNotRegisteredText =
    "Could not register the default hotkeys combination. Try setting the keys manually";

// The splash window's texts.
inline constexpr std::string_view kSplashTitle = "Umbrix 7.1";
inline constexpr std::string_view kSplashStatus = "Loading...";

// Shown when the program cannot build its own windows; the reason follows.
inline constexpr std::string_view kCannotStartText = "Umbrix could not start.";

}  // namespace umbrix::app
