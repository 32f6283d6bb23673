#include "win32/WindowBase.hpp"

#include <string>

#include "win32/Win32Error.hpp"

namespace umbrix::win32 {

void WindowBase::create(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title,
                        HWND owner, const char* whatForErrors) {
    if (!tryCreate(instance, className, exStyle, style, title, owner))
        throwLastError(std::string("cannot create the ") + whatForErrors);
}

bool WindowBase::tryCreate(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style,
                           const wchar_t* title, HWND owner) noexcept {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, className, &existing)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowBase::windowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    return CreateWindowExW(exStyle, className, title, style, 0, 0, 0, 0, owner, nullptr, instance, this) != nullptr;
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // Not hwnd(): while destroy() runs, the handle is no longer owned, yet WM_DESTROY and
    // WM_NCDESTROY still need the default handling of the real window.
    return DefWindowProcW(procWindow_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = UniqueWindow(window);
        self->procWindow_ = window;
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        self->procWindow_ = nullptr;
    }
    return result;
}

}  // namespace umbrix::win32
