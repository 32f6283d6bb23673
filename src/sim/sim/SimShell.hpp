#pragma once
// The simulated shell: a Recycle Bin fed from the sim's file system, the list of recent
// documents, and file types with the programs that open them. The programs that opening a
// file starts run among the machine's processes, their windows on its desktop.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/SimJournal.hpp"
#include "platform/ShellPort.hpp"
#include "sim/SimFileSystem.hpp"
#include "sim/SimProcesses.hpp"
#include "sim/SimWindows.hpp"

namespace umbrix::sim {

// How a program behaves when the shell starts it.
struct SimProgram {
    bool opensWindowAtStart = true;  // false: the window comes later, when a test opens it
    bool handsOff = false;  // passes the file to an instance already running and exits
};

class SimShell final : public platform::ShellPort {
public:
    SimShell(SimFileSystem& files, SimProcesses& processes, SimWindows& windows);

    platform::RecycleBinEmptying emptyRecycleBin() override;
    platform::IoResult recycle(std::string_view pattern) override;
    void clearRecentDocuments() override;
    platform::ShellExecution execute(std::string_view file) override;

    // State a test sets or reads.
    std::vector<std::string> recycleBin;  // original paths of the items in it, oldest first
    std::vector<std::string> recentDocuments;  // the shell's list
    std::map<std::string, std::string> fileTypes;  // upper-cased extension (".TXT") -> program
    std::map<std::string, SimProgram> programs;  // upper-cased program path -> behaviour
    bool shellLibraryLoads = true;
    bool hasEmptyRecycleBinEntry = true;
    // Process id -> the file it was started to open; empty for a program run directly.
    std::map<std::uint32_t, std::string> documents;

    // What happened so far.
    int emptyings = 0;
    int executions = 0;
    SimJournal* journal = nullptr;  // the process's call journal, when one is attached

private:
    class Started;
    platform::IoResult recycleItem(const std::string& path);
    platform::IoResult deleteFolderTree(const std::string& folder);
    ProcessId start(const std::string& image, const std::string& document);
    void record(std::string call);

    SimFileSystem& files_;
    SimProcesses& processes_;
    SimWindows& windows_;
};

}  // namespace umbrix::sim
