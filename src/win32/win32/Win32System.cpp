#include "win32/Win32System.hpp"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

std::string Win32System::executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32System::windowsDirectory() {
    wchar_t path[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return narrow(std::wstring_view(path, length));
}

std::optional<std::string> Win32System::fileVersionText() {
    std::wstring exe = widen(executablePath());
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return std::nullopt;

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation))
        return std::nullopt;
    wchar_t query[64];
    wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\FileVersion", translations[0].language, translations[0].codePage);
    wchar_t* text = nullptr;
    if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&text), &length) || length == 0)
        return std::nullopt;
    return narrow(std::wstring_view(text, wcsnlen(text, length)));
}

std::optional<std::string> Win32System::specialFolderPath(platform::SpecialFolder folder) {
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, static_cast<int>(folder), &list))) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListW(list, path);
    CoTaskMemFree(list);
    if (!ok) return std::nullopt;
    return narrow(path);
}

std::uint64_t Win32System::availablePhysicalMemory() {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return static_cast<std::uint64_t>(status.dwAvailPhys);
}

bool Win32System::trimWorkingSet() {
    return SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)) != 0;
}

platform::ScreenPoint Win32System::virtualDesktopOrigin() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
}

namespace {
platform::ScreenRect screenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<platform::Monitor>*>(found)->push_back(
            {screenRect(info.rcMonitor), screenRect(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}
}  // namespace

std::vector<platform::Monitor> Win32System::monitors() {
    std::vector<platform::Monitor> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    return found;
}

void Win32System::writeDebugOutput(std::string_view line) { OutputDebugStringW(widen(line).c_str()); }

}  // namespace umbrix::win32
