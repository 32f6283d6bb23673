#include "win32/Win32Cursor.hpp"

#include <windows.h>

namespace umbrix::win32 {

void Win32Cursor::showBusy(bool busy) { SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW)); }

}  // namespace umbrix::win32
