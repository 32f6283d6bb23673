#pragma once
// The executables behind process ids, for one refresh of the inventory: one process snapshot,
// taken when first needed, and each process opened at most once. The names are those of a
// table built from the snapshot: "System Idle Process" for process 0, otherwise the full path
// of the process's executable, or the snapshot's file name when the process cannot be opened
// or read; empty for a process the snapshot does not have or when no snapshot could be taken.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ProcessPort.hpp"

namespace umbrix::engine {

class ProcessTable {
public:
    explicit ProcessTable(platform::ProcessPort& processes) : processes_(processes) {}

    std::string nameOf(platform::ProcessId process);

private:
    void takeSnapshot();

    platform::ProcessPort& processes_;
    bool snapshotTaken_ = false;
    std::unordered_map<std::uint32_t, std::string> snapshotFileNames_;  // first row of each id
    std::unordered_map<std::uint32_t, std::string> names_;  // resolved so far
};

}  // namespace umbrix::engine
