#pragma once
// The program's windows are designed in pixels at 96 dots per inch; these place them on the
// screen the user has.
#include <windows.h>

namespace umbrix::win32 {

// `pixels` at 96 dots per inch, scaled to the window's monitor.
inline int scaledPixels(HWND window, int pixels) {
    UINT dpi = window ? GetDpiForWindow(window) : 0;
    return MulDiv(pixels, dpi ? static_cast<int>(dpi) : 96, 96);
}

// Sizes the whole window to `width` by `height` and centres it on the work area.
inline void centreOnScreen(HWND window, int width, int height) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window, nullptr, work.left + ((work.right - work.left) - width) / 2,
                 work.top + ((work.bottom - work.top) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace umbrix::win32
