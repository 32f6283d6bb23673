#include "win32/Win32Processes.hpp"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

std::optional<std::vector<platform::ProcessEntry>> Win32Processes::snapshotProcesses() {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return std::nullopt;
    std::vector<platform::ProcessEntry> rows;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        rows.push_back({platform::ProcessId{static_cast<std::uint32_t>(entry.th32ProcessID)}, narrow(entry.szExeFile)});
    }
    return rows;
}

std::optional<std::string> Win32Processes::processImagePath(platform::ProcessId process) {
    UniqueHandle handle(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.value));
    if (!handle) return std::nullopt;
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameExW(handle.get(), nullptr, path, MAX_PATH);
    if (length == 0) return std::nullopt;
    return narrow(std::wstring_view(path, length));
}

std::optional<std::uint64_t> Win32Processes::processStartTime(platform::ProcessId process) {
    UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process.value));
    if (!handle) return std::nullopt;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(handle.get(), &created, &exited, &kernel, &user)) return std::nullopt;
    return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace umbrix::win32
