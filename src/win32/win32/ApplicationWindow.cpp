#include "win32/ApplicationWindow.hpp"

#include "win32/Utf16.hpp"
#include "win32/WindowClasses.hpp"

namespace umbrix::win32 {

void ApplicationWindow::create(HINSTANCE instance, std::string_view title) {
    WindowBase::create(instance, kApplicationWindowClass, 0, WS_POPUP, widen(title).c_str(), nullptr,
                       "application window");
}

void ApplicationWindow::makeToolWindow() {
    if (!exists()) return;
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
}

}  // namespace umbrix::win32
