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

// Shown when the program cannot build its own windows; the reason follows.
inline constexpr std::string_view kCannotStartText = "Umbrix could not start.";

}  // namespace umbrix::app
