#pragma once
// The program's windows and the Win32 views that draw them: the one list of them, kept by the
// composition rather than by the ports.
#include "views/Win32Dialogs.hpp"
#include "win32/Win32Application.hpp"
#include "win32/Win32Icons.hpp"

namespace umbrix::win32 {

// Modal windows, shown through the dialog port.
void registerProgramViews(Win32Dialogs& dialogs);
// Modeless windows, hosted by the application port; the main window shows the icon port's
// image lists.
void registerProgramWindows(Win32Application& windows, const Win32Icons& icons);

}  // namespace umbrix::win32
