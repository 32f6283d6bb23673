#include "engine/ProcessTable.hpp"

#include "engine/KnownTexts.hpp"

namespace umbrix::engine {

void ProcessTable::takeSnapshot() {
    snapshotTaken_ = true;
    auto rows = processes_.snapshotProcesses();
    if (!rows) return;
    for (const auto& row : *rows) snapshotFileNames_.try_emplace(row.id.value, row.exeFile);
}

std::string ProcessTable::nameOf(platform::ProcessId process) {
    if (!snapshotTaken_) takeSnapshot();
    auto row = snapshotFileNames_.find(process.value);
    if (row == snapshotFileNames_.end()) return {};
    if (process.value == 0) return kSystemIdleProcess;
    auto known = names_.find(process.value);
    if (known != names_.end()) return known->second;
    std::string name = processes_.processImagePath(process).value_or(row->second);
    names_.emplace(process.value, name);
    return name;
}

}  // namespace umbrix::engine
