#pragma once
// Top-level windows as the end-to-end tests see them.
#include <windows.h>

#include <string>
#include <vector>

namespace wintool {

struct TopLevelWindow {
    HWND handle;
    std::wstring className;
    std::wstring title;
    DWORD processId;
    bool visible;
    LONG_PTR exStyle;
};

struct WindowFilter {
    std::wstring className;  // empty: any
    std::wstring title;  // empty: any
    DWORD processId = 0;  // 0: any
    bool visibleOnly = false;
};

// EnumWindows order: the Z order, topmost first.
std::vector<TopLevelWindow> topLevelWindows(const WindowFilter& filter);

// One line: handle (decimal), class, title, pid, visible (1/0), extended style (hex), separated
// by tabs; backslash, tab and line breaks in texts are escaped as \\, \t, \n and \r.
std::string describe(const TopLevelWindow& window);

// The window's descendants, in EnumChildWindows order.
std::vector<HWND> childWindows(HWND parent);

std::wstring windowText(HWND window);
std::wstring windowClass(HWND window);
std::string toUtf8(const std::wstring& text);
std::string escaped(const std::wstring& text);

}  // namespace wintool
