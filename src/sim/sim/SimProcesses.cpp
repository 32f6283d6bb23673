#include "sim/SimProcesses.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace umbrix::sim {

namespace {
std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

bool samePath(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}
}  // namespace

SimProcesses::SimProcesses() {
    processes_.push_back({ProcessId{0}, "", "[System Process]", true});
    processes_.push_back({ProcessId{4}, "", "System", true});
}

std::optional<std::vector<platform::ProcessEntry>> SimProcesses::snapshotProcesses() {
    ++counts_.snapshots;
    if (snapshotsFail) return std::nullopt;
    std::vector<platform::ProcessEntry> rows;
    rows.reserve(processes_.size());
    for (const Process& p : processes_) rows.push_back({p.id, p.exeFile});
    return rows;
}

std::optional<std::string> SimProcesses::processImagePath(ProcessId process) {
    ++counts_.opens;
    const Process* p = find(process);
    if (!p || p->refusesOpen || p->imagePath.empty()) return std::nullopt;
    return p->imagePath;
}

std::optional<std::uint64_t> SimProcesses::processStartTime(ProcessId process) {
    ++counts_.opens;
    const Process* p = find(process);
    if (!p || p->refusesOpen) return std::nullopt;
    return p->startTime;
}

ProcessId SimProcesses::start(std::string imagePath, bool refusesOpen) {
    ProcessId id{nextId_};
    nextId_ += 4;
    std::string exeFile = fileNameOf(imagePath);
    processes_.push_back({id, std::move(imagePath), std::move(exeFile), refusesOpen, nextStartTime_++});
    return id;
}

ProcessId SimProcesses::startReusingId(ProcessId id, std::string imagePath) {
    if (find(id)) throw std::logic_error("a running process holds that id");
    std::string exeFile = fileNameOf(imagePath);
    processes_.push_back({id, std::move(imagePath), std::move(exeFile), false, nextStartTime_++});
    return id;
}

void SimProcesses::end(ProcessId process) {
    processes_.erase(
        std::remove_if(processes_.begin(), processes_.end(), [&](const Process& p) { return p.id == process; }),
        processes_.end());
}

const SimProcesses::Process* SimProcesses::find(ProcessId process) const {
    for (const Process& p : processes_) {
        if (p.id == process) return &p;
    }
    return nullptr;
}

std::vector<ProcessId> SimProcesses::runningProcessesOf(std::string_view imagePath) const {
    std::vector<ProcessId> ids;
    for (const Process& p : processes_) {
        if (samePath(p.imagePath, imagePath)) ids.push_back(p.id);
    }
    return ids;
}

}  // namespace umbrix::sim
