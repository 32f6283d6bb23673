#include "Windows.hpp"

#include <cstdint>

namespace wintool {

std::wstring windowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring windowClass(HWND window) {
    wchar_t name[256] = {};
    int got = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(got > 0 ? got : 0));
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string escaped(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        switch (c) {
            case L'\\': out += L"\\\\"; break;
            case L'\t': out += L"\\t"; break;
            case L'\n': out += L"\\n"; break;
            case L'\r': out += L"\\r"; break;
            default: out += c;
        }
    }
    return toUtf8(out);
}

std::vector<TopLevelWindow> topLevelWindows(const WindowFilter& filter) {
    std::vector<HWND> handles;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&handles));

    std::vector<TopLevelWindow> windows;
    for (HWND handle : handles) {
        TopLevelWindow window{handle,
                              windowClass(handle),
                              windowText(handle),
                              0,
                              IsWindowVisible(handle) != FALSE,
                              GetWindowLongPtrW(handle, GWL_EXSTYLE)};
        GetWindowThreadProcessId(handle, &window.processId);
        if (filter.visibleOnly && !window.visible) continue;
        if (!filter.className.empty() && lstrcmpiW(filter.className.c_str(), window.className.c_str()) != 0) continue;
        if (!filter.title.empty() && filter.title != window.title) continue;
        if (filter.processId && filter.processId != window.processId) continue;
        windows.push_back(std::move(window));
    }
    return windows;
}

std::string describe(const TopLevelWindow& window) {
    char style[32];
    wsprintfA(style, "0x%08lX", static_cast<unsigned long>(window.exStyle));
    return std::to_string(reinterpret_cast<std::uintptr_t>(window.handle)) + "\t" + escaped(window.className) + "\t" +
           escaped(window.title) + "\t" + std::to_string(window.processId) + "\t" + (window.visible ? "1" : "0") +
           "\t" + style;
}

}  // namespace wintool
