#include "platform/sim/SimShell.hpp"

#include <algorithm>
#include <cctype>

namespace umbrix::sim {

using platform::IoResult;
namespace errors = platform::errors;

namespace {

constexpr std::uint32_t kAccepted = 42;      // what ShellExecuteW returns for a started program
constexpr std::uint32_t kFileNotFound = 2;   // SE_ERR_FNF, also for a file in a missing folder
constexpr std::uint32_t kNoAssociation = 31; // SE_ERR_NOASSOC

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
    Started(SimShell& shell, std::uint32_t id) : shell_(shell), id_(id) {}

    std::uint32_t id() const override { return id_; }
    bool hasExited() override { return shell_.processes.at(id_).exited; }

    std::optional<std::uint64_t> mainWindow() override {
        for (std::uint64_t handle : shell_.zOrder) {
            const SimWindow& w = shell_.windows.at(handle);
            if (w.processId == id_ && w.visible && !w.title.empty() && !w.owned) return handle;
        }
        return std::nullopt;
    }

    bool ownsWindow(std::uint64_t window) override {
        auto it = shell_.windows.find(window);
        return it != shell_.windows.end() && it->second.processId == id_;
    }

    void bringForward(std::uint64_t window) override {
        auto it = shell_.windows.find(window);
        if (it == shell_.windows.end()) return;
        it->second.minimized = false;
        it->second.visible = true;
        auto& z = shell_.zOrder;
        z.erase(std::find(z.begin(), z.end(), window));
        z.insert(z.begin(), window);
        shell_.foregroundWindow = window;
        ++shell_.bringForwards;
        shell_.record("shell.bringForward");
    }

private:
    SimShell& shell_;
    std::uint32_t id_;
};

SimShell::SimShell(SimFileSystem& files) : files_(files) {}

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

std::uint32_t SimShell::start(const std::string& image, const std::string& document) {
    std::uint32_t id = nextProcessId_ += 4;
    processes[id] = SimProcess{id, image, document, false};
    SimProgram behaviour;
    if (auto it = programs.find(upper(image)); it != programs.end()) behaviour = it->second;
    if (behaviour.handsOff) {
        processes[id].exited = true;
    } else if (behaviour.opensWindowAtStart) {
        std::string title = document.empty() ? stemOf(image) : nameOf(document) + " - " + stemOf(image);
        foregroundWindow = openWindow(id, std::move(title));
    }
    return id;
}

std::uint64_t SimShell::openWindow(std::uint32_t processId, std::string title) {
    std::uint64_t handle = nextWindow_ += 0x10;
    windows[handle] = SimWindow{handle, processId, std::move(title)};
    zOrder.insert(zOrder.begin(), handle);
    return handle;
}

void SimShell::closeWindow(std::uint64_t window) {
    windows.erase(window);
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), window), zOrder.end());
    if (foregroundWindow == window) foregroundWindow = zOrder.empty() ? 0 : zOrder.front();
}

void SimShell::endProcess(std::uint32_t processId) {
    std::vector<std::uint64_t> own;
    for (const auto& [handle, w] : windows) {
        if (w.processId == processId) own.push_back(handle);
    }
    for (auto handle : own) closeWindow(handle);
    processes.at(processId).exited = true;
}

std::vector<std::uint32_t> SimShell::runningProcessesOf(std::string_view image) const {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, process] : processes) {
        if (!process.exited && upper(process.image) == upper(image)) ids.push_back(id);
    }
    return ids;
}

const SimWindow* SimShell::window(std::uint64_t handle) const {
    auto it = windows.find(handle);
    return it == windows.end() ? nullptr : &it->second;
}

}  // namespace umbrix::sim
