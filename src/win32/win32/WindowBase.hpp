#pragma once
// The thin base of every window the program owns (the controller, the application window, the
// tray's and the hotkeys' message windows, the views): it stores `this` at WM_NCCREATE, hands
// each message to the virtual handler, and owns the HWND.
#include <windows.h>

#include "win32/UniqueWindow.hpp"

namespace umbrix::win32 {

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND hwnd() const { return window_.get(); }
    bool exists() const { return static_cast<bool>(window_); }
    void destroy() { window_.reset(); }

protected:
    WindowBase() = default;

    // CreateWindowExW with `this` as the creation parameter, the class registered on first use.
    // Throws when it fails.
    void create(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title,
                HWND owner, const char* whatForErrors);
    // The same for a window whose absence the caller reports its own way: false when it fails,
    // with the reason in GetLastError.
    bool tryCreate(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title,
                   HWND owner) noexcept;

    // Messages never throw out of here: an exception cannot cross the window procedure. The
    // program's reactions run under its error hook; anything else escaping is a bug and ends
    // the process (std::terminate).
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
    HWND procWindow_ = nullptr;  // the window the procedure serves, from WM_NCCREATE to WM_NCDESTROY
};

}  // namespace umbrix::win32
