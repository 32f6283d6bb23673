#include "win32/ControllerWindow.hpp"

#include "win32/WindowClasses.hpp"

namespace umbrix::win32 {

void ControllerWindow::create(HINSTANCE instance, HWND owner) {
    // A real top-level window rather than a message-only one: WM_QUERYENDSESSION, WM_ENDSESSION
    // and the shell's broadcasts reach only top-level windows.
    WindowBase::create(instance, kControllerWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, L"", owner, "controller window");
}

LRESULT ControllerWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_CLOSE:
            // Not DefWindowProcW: the program decides how it ends and destroys its windows itself.
            events_.onClose();
            return 0;
        case WM_QUERYENDSESSION: return events_.onQueryEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION: events_.onEndSession(wParam != FALSE); return 0;
        default: return WindowBase::handleMessage(message, wParam, lParam);
    }
}

}  // namespace umbrix::win32
