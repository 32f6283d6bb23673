#pragma once
// The simulated shell: a Recycle Bin fed from the sim's file system, the list of recent
// documents, file types with the programs that open them, and the processes and top-level
// windows that opening a file starts.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/sim/SimJournal.hpp"
#include "platform/ShellPort.hpp"
#include "platform/sim/SimFileSystem.hpp"

namespace umbrix::sim {

struct SimWindow {
    std::uint64_t handle = 0;
    std::uint32_t processId = 0;
    std::string title;
    bool visible = true;
    bool minimized = false;
    bool owned = false;  // has an owner window, as dialogs and tool palettes do
};

struct SimProcess {
    std::uint32_t id = 0;
    std::string image;     // the program's path
    std::string document;  // the file it was started to open; empty for a program run directly
    bool exited = false;
};

// How a program behaves when the shell starts it.
struct SimProgram {
    bool opensWindowAtStart = true;  // false: the window comes later, when a test opens it
    bool handsOff = false;           // passes the file to an instance already running and exits
};

class SimShell final : public platform::ShellPort {
public:
    explicit SimShell(SimFileSystem& files);

    platform::RecycleBinEmptying emptyRecycleBin() override;
    platform::IoResult recycle(std::string_view pattern) override;
    void clearRecentDocuments() override;
    platform::ShellExecution execute(std::string_view file) override;

    // Windows of the started processes. A new window opens on top of the Z order.
    std::uint64_t openWindow(std::uint32_t processId, std::string title);
    void closeWindow(std::uint64_t window);
    void endProcess(std::uint32_t processId);  // its windows close with it
    std::vector<std::uint32_t> runningProcessesOf(std::string_view image) const;
    const SimWindow* window(std::uint64_t handle) const;

    // State a test sets or reads.
    std::vector<std::string> recycleBin;       // original paths of the items in it, oldest first
    std::vector<std::string> recentDocuments;  // the shell's list
    std::map<std::string, std::string> fileTypes;  // upper-cased extension (".TXT") -> program
    std::map<std::string, SimProgram> programs;    // upper-cased program path -> behaviour
    bool shellLibraryLoads = true;
    bool hasEmptyRecycleBinEntry = true;
    std::map<std::uint32_t, SimProcess> processes;
    std::map<std::uint64_t, SimWindow> windows;
    std::vector<std::uint64_t> zOrder;  // top first
    std::uint64_t foregroundWindow = 0;

    // What happened so far.
    int emptyings = 0;
    int executions = 0;
    int bringForwards = 0;
    SimJournal* journal = nullptr;  // the process's call journal, when one is attached

private:
    class Started;
    platform::IoResult recycleItem(const std::string& path);
    platform::IoResult deleteFolderTree(const std::string& folder);
    std::uint32_t start(const std::string& image, const std::string& document);
    void record(std::string call);

    SimFileSystem& files_;
    std::uint32_t nextProcessId_ = 0x1000;
    std::uint64_t nextWindow_ = 0x20010;
};

}  // namespace umbrix::sim
