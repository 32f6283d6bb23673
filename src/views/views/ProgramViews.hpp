#pragma once
// The program's modal windows and the Win32 views that draw them: the one list of them, kept by
// the composition rather than by the ports.
#include "views/Win32Dialogs.hpp"

namespace umbrix::win32 {

void registerProgramViews(Win32Dialogs& dialogs);

}  // namespace umbrix::win32
