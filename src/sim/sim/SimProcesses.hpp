#pragma once
// The simulated machine's processes in snapshot order, with their executables and whether
// the program may open them. Starts with the System Idle Process (0) and System (4), which
// nobody may open. Snapshots and opens are counted.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProcessPort.hpp"

namespace umbrix::sim {

using platform::ProcessId;

class SimProcesses final : public platform::ProcessPort {
public:
    struct Process {
        ProcessId id;
        std::string imagePath;  // full path of the main executable
        std::string exeFile;  // what a snapshot reports
        bool refusesOpen = false;  // protected, elevated or another user's: OpenProcess fails
        std::uint64_t startTime = 0;
    };

    struct Counts {
        int snapshots = 0;
        int opens = 0;  // OpenProcess attempts, successful or not
    };

    SimProcesses();

    std::optional<std::vector<platform::ProcessEntry>> snapshotProcesses() override;
    std::optional<std::string> processImagePath(ProcessId process) override;
    std::optional<std::uint64_t> processStartTime(ProcessId process) override;

    // Set-up for tests. Each start is later than the one before.
    ProcessId start(std::string imagePath, bool refusesOpen = false);
    // A new process that gets the id of one that has ended, as Windows reuses ids.
    ProcessId startReusingId(ProcessId id, std::string imagePath);
    void end(ProcessId process);
    bool snapshotsFail = false;

    // An ended process is gone from the list; a handle to it would report that it has exited.
    const Process* find(ProcessId process) const;
    // The running processes of an executable, letter case aside, in snapshot order.
    std::vector<ProcessId> runningProcessesOf(std::string_view imagePath) const;
    const Counts& counts() const { return counts_; }
    void resetCounts() { counts_ = {}; }

private:
    std::vector<Process> processes_;  // snapshot order
    std::uint32_t nextId_ = 1000;
    std::uint64_t nextStartTime_ = 133'000'000'000'000'000;  // early 2022
    Counts counts_;
};

}  // namespace umbrix::sim
