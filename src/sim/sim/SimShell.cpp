#include "sim/SimShell.hpp"

#include <cctype>

namespace umbrix::sim {

using platform::IoResult;
namespace errors = platform::errors;

namespace {

constexpr std::uint32_t kAccepted = 42;  // what ShellExecuteW returns for a started program
constexpr std::uint32_t kFileNotFound = 2;  // SE_ERR_FNF, also for a file in a missing folder
constexpr std::uint32_t kNoAssociation = 31;  // SE_ERR_NOASSOC

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string folderOf(std::string_view path) {
    auto cut = path.find_last_of('\\');
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut));
}

std::string nameOf(std::string_view path) {
    auto cut = path.find_last_of('\\');
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string extensionOf(std::string_view path) {
    std::string name = nameOf(path);
    auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : upper(name.substr(dot));
}

std::string stemOf(std::string_view path) {
    std::string name = nameOf(path);
    return name.substr(0, name.find_last_of('.'));
}

}  // namespace

class SimShell::Started final : public platform::StartedProcess {
public:
    Started(SimShell& shell, ProcessId id) : shell_(shell), id_(id) {}

    std::uint32_t id() const override { return id_.value; }
    // An ended process is gone from the machine's list; this handle keeps its id from passing
    // to another process meanwhile.
    bool hasExited() override { return shell_.processes_.find(id_) == nullptr; }

    // The desktop is read directly: these are shell calls, not calls of the window port.
    std::optional<std::uint64_t> mainWindow() override {
        for (WindowId handle : shell_.windows_.zOrder()) {
            const SimWindows::Window* w = shell_.windows_.find(handle);
            if (w->owner == id_ && w->visible && !w->title.empty() && !w->owned) return handle.value;
        }
        return std::nullopt;
    }

    bool ownsWindow(std::uint64_t window) override {
        const SimWindows::Window* w = shell_.windows_.find(WindowId{window});
        return w && w->owner == id_;
    }

private:
    SimShell& shell_;
    ProcessId id_;
};

SimShell::SimShell(SimFileSystem& files, SimProcesses& processes, SimWindows& windows)
    : files_(files), processes_(processes), windows_(windows) {}

void SimShell::record(std::string call) {
    if (journal) journal->add(std::move(call));
}

platform::RecycleBinEmptying SimShell::emptyRecycleBin() {
    record("shell.emptyRecycleBin");
    if (!shellLibraryLoads) return platform::RecycleBinEmptying::LibraryNotLoaded;
    if (!hasEmptyRecycleBinEntry) return platform::RecycleBinEmptying::EntryPointMissing;
    recycleBin.clear();
    ++emptyings;
    return platform::RecycleBinEmptying::Requested;
}

IoResult SimShell::recycle(std::string_view pattern) {
    record("shell.recycle " + std::string(pattern));
    std::string folder = folderOf(pattern);
    std::string mask = nameOf(pattern);
    if (folder.empty() || !files_.directoryExists(folder)) return IoResult::failure(errors::kPathNotFound);
    if (mask != "*.*" && mask != "*") return recycleItem(std::string(pattern));
    // Like the shell, the operation stops at the first item it cannot move.
    for (const auto& name : files_.filesIn(folder)) {
        if (auto result = recycleItem(folder + "\\" + name); !result) return result;
    }
    for (const auto& name : files_.foldersIn(folder)) {
        if (auto result = recycleItem(folder + "\\" + name); !result) return result;
    }
    return IoResult::success();
}

IoResult SimShell::recycleItem(const std::string& path) {
    IoResult result = files_.directoryExists(path) ? deleteFolderTree(path) : files_.deleteFile(path);
    if (result) recycleBin.push_back(path);
    return result;
}

IoResult SimShell::deleteFolderTree(const std::string& folder) {
    for (const auto& name : files_.filesIn(folder)) {
        if (auto result = files_.deleteFile(folder + "\\" + name); !result) return result;
    }
    for (const auto& name : files_.foldersIn(folder)) {
        if (auto result = deleteFolderTree(folder + "\\" + name); !result) return result;
    }
    return files_.removeDirectory(folder);
}

void SimShell::clearRecentDocuments() {
    record("shell.clearRecentDocuments");
    recentDocuments.clear();
}

platform::ShellExecution SimShell::execute(std::string_view file) {
    record("shell.execute " + std::string(file));
    ++executions;
    std::string path(file);
    if (!files_.fileExists(path)) return {kFileNotFound, nullptr};
    std::string extension = extensionOf(path);
    if (extension == ".EXE") return {kAccepted, std::make_unique<Started>(*this, start(path, {}))};
    auto type = fileTypes.find(extension);
    if (type == fileTypes.end()) return {kNoAssociation, nullptr};
    return {kAccepted, std::make_unique<Started>(*this, start(type->second, path))};
}

ProcessId SimShell::start(const std::string& image, const std::string& document) {
    ProcessId id = processes_.start(image);
    documents[id.value] = document;
    SimProgram behaviour;
    if (auto it = programs.find(upper(image)); it != programs.end()) behaviour = it->second;
    if (behaviour.handsOff) {
        processes_.end(id);
    } else if (behaviour.opensWindowAtStart) {
        std::string title = document.empty() ? stemOf(image) : nameOf(document) + " - " + stemOf(image);
        windows_.open({std::move(title), id});  // on top and in front, as a started program's window opens
    }
    return id;
}

}  // namespace umbrix::sim
