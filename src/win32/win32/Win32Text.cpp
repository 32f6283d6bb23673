#include "win32/Win32Text.hpp"

#include <windows.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

std::string Win32Text::upperCase(std::string_view utf8) {
    std::wstring text = widen(utf8);
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return narrow(text);
}

std::string Win32Text::toCodePage(std::string_view utf8) {
    std::wstring text = widen(utf8);
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string Win32Text::fromCodePage(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return narrow(out);
}

}  // namespace umbrix::win32
