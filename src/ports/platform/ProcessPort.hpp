#pragma once
// The running processes and the executables they were started from.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowId.hpp"

namespace umbrix::platform {

// One row of a process snapshot (PROCESSENTRY32W).
struct ProcessEntry {
    ProcessId id;  // th32ProcessID
    std::string exeFile;  // szExeFile: the executable's file name without its folder
};

class ProcessPort {
public:
    ProcessPort() = default;
    ProcessPort(const ProcessPort&) = delete;
    ProcessPort& operator=(const ProcessPort&) = delete;
    virtual ~ProcessPort() = default;

    // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS) + Process32FirstW/Process32NextW: every
    // process in snapshot order; nullopt when no snapshot could be taken.
    virtual std::optional<std::vector<ProcessEntry>> snapshotProcesses() = 0;

    // OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ) + GetModuleFileNameExW(process,
    // NULL, buffer, 260) + CloseHandle: the full path of the process's main executable; nullopt
    // when the process cannot be opened or its path cannot be read.
    virtual std::optional<std::string> processImagePath(ProcessId process) = 0;

    // OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION) + GetProcessTimes + CloseHandle: when the
    // process was created, in 100-nanosecond steps since 1601 (UTC). With the process id it
    // names one process for good: an id is reused, a start time with it is not. nullopt when
    // the process cannot be opened.
    virtual std::optional<std::uint64_t> processStartTime(ProcessId process) = 0;
};

}  // namespace umbrix::platform
