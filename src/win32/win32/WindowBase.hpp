#pragma once
// The thin base of every window of the program: it stores `this` at WM_NCCREATE, hands each
// message to the virtual handler, and owns the HWND.
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

    // RegisterClassExW once per class name; later calls find it registered.
    static void registerClass(HINSTANCE instance, const wchar_t* className);
    // CreateWindowExW with `this` as the creation parameter. Throws when it fails.
    void create(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title,
                HWND owner, const char* whatForErrors);

    // Messages never throw out of here: an exception cannot cross the window procedure. The
    // program's reactions run under its error hook; anything else escaping is a bug and ends
    // the process (std::terminate).
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
};

}  // namespace umbrix::win32
