#pragma once
// Facts about the running program and the machine.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

namespace umbrix::platform {

// CSIDL values the program resolves.
enum class SpecialFolder : int {
    Recent = 8,  // CSIDL_RECENT
    CommonAppData = 35,  // CSIDL_COMMON_APPDATA
};

// A point in virtual-desktop pixels; the primary monitor's top-left corner is (0, 0).
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// A rectangle in virtual-desktop pixels: right and bottom lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ScreenRect&) const = default;
    bool intersects(const ScreenRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// One monitor of the desktop.
struct Monitor {
    ScreenRect area;  // rcMonitor
    ScreenRect workArea;  // rcWork: without the task bar
    bool primary = false;  // MONITORINFOF_PRIMARY
    bool operator==(const Monitor&) const = default;
};

class SystemPort {
public:
    SystemPort() = default;
    SystemPort(const SystemPort&) = delete;
    SystemPort& operator=(const SystemPort&) = delete;
    virtual ~SystemPort() = default;

    // GetModuleFileNameW(NULL): full path of the running executable.
    virtual std::string executablePath() = 0;

    // GetWindowsDirectoryW: the Windows folder, without a trailing "\".
    virtual std::string windowsDirectory() = 0;

    // GetFileVersionInfoW + VerQueryValueW("\StringFileInfo\...\FileVersion") of the
    // running executable; nullopt when it has no version resource.
    virtual std::optional<std::string> fileVersionText() = 0;

    // SHGetSpecialFolderLocation + SHGetPathFromIDListW; nullopt when it cannot be resolved.
    virtual std::optional<std::string> specialFolderPath(SpecialFolder folder) = 0;

    // GlobalMemoryStatus: dwAvailPhys.
    virtual std::uint64_t availablePhysicalMemory() = 0;

    // SetProcessWorkingSetSize(GetCurrentProcess(), -1, -1).
    virtual bool trimWorkingSet() = 0;

    // GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN): the left and top
    // edges of the virtual desktop, negative when a monitor sits left of or above the primary one.
    virtual ScreenPoint virtualDesktopOrigin() = 0;
    // EnumDisplayMonitors and GetMonitorInfoW: the monitors attached now, the primary one among
    // them.
    virtual std::vector<Monitor> monitors() = 0;

    // OutputDebugStringW: a line for whatever debugger watches the program; nothing without one.
    virtual void writeDebugOutput(std::string_view line) = 0;
};

}  // namespace umbrix::platform
