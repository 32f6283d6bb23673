#include "win32/Win32IconFiles.hpp"

#include <shellapi.h>

#include <algorithm>
#include <stdexcept>

#include "win32/EnvironmentPath.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

// PickIconDlg, exported by shell32.dll under ordinal 62 (older headers lack its declaration).
using PickIconDlgFunction = BOOL(WINAPI*)(HWND owner, PWSTR iconPath, UINT iconPathCharacters, int* iconIndex);
constexpr UINT kPathBufferCharacters = 260;

std::wstring systemPath(std::string_view file) { return expandEnvironment(widen(file)); }

}  // namespace

std::optional<platform::IconLocation> Win32IconFiles::pickIcon(const platform::IconLocation& start) {
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = LoadLibraryW(L"shell32.dll");
    auto pick = shell ? reinterpret_cast<PickIconDlgFunction>(
                            reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(62))))
                      : nullptr;
    if (!pick) throw std::runtime_error("shell32.dll offers no icon picker");

    wchar_t path[kPathBufferCharacters]{};
    std::wstring startFile = widen(start.file);
    std::copy_n(startFile.begin(), std::min<std::size_t>(startFile.size(), kPathBufferCharacters - 1), path);
    int index = start.index;
    HWND owner = owner_ ? owner_() : nullptr;
    if (!pick(owner, path, kPathBufferCharacters, &index)) return std::nullopt;
    return platform::IconLocation{narrow(path), index};
}

int Win32IconFiles::iconCount(std::string_view file) {
    UINT count = ExtractIconExW(systemPath(file).c_str(), -1, nullptr, nullptr, 0);
    // A file that cannot be read answers UINT_MAX on some systems.
    return count == UINT_MAX ? 0 : static_cast<int>(count);
}

std::optional<platform::IconSize> Win32IconFiles::extractIcon(std::string_view file, int index) {
    HICON icon = ExtractIconW(GetModuleHandleW(nullptr), systemPath(file).c_str(), static_cast<UINT>(index));
    // NULL: no icon at that index; 1: the file is no icon source.
    if (reinterpret_cast<ULONG_PTR>(icon) <= 1) return std::nullopt;
    ICONINFO info{};
    std::optional<platform::IconSize> size;
    if (GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
            size = platform::IconSize{bitmap.bmWidth, bitmap.bmHeight};
        } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bitmap, &bitmap)) {
            size = platform::IconSize{bitmap.bmWidth, bitmap.bmHeight / 2};  // mask and image, one above the other
        }
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return size;
}

}  // namespace umbrix::win32
