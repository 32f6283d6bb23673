#include "engine/WindowInventory.hpp"

#include <unordered_set>

#include "common/TextCompare.hpp"
#include "engine/ExclusionRules.hpp"
#include "engine/HandleText.hpp"
#include "engine/KnownTexts.hpp"

namespace umbrix::engine {

using platform::WindowId;

WindowInventory::WindowInventory(platform::Platform ports, EngineLinks links, EngineState& state)
    : ports_(ports), links_(links), state_(state) {}

bool WindowInventory::collectWindow(WindowId handle) {
    handles_.push_back(handle);
    return true;
}

void WindowInventory::refreshInventory() {
    handles_.clear();
    iconlessThisRefresh_.clear();
    state_.visibleWindows.clear();
    ports_.windows.enumWindows([this](WindowId handle) { return collectWindow(handle); });

    ProcessTable processes(ports_.processes);
    std::unordered_set<std::string> listed;
    for (WindowId handle : handles_) {
        const std::string title = ports_.windows.windowText(handle);
        if (state_.options.ignoreCloakedWindows && isCloaked(handle)) continue;
        if (title.empty()) continue;
        if (!ports_.windows.isWindowVisible(handle)) continue;
        if (handle == state_.decoyAppHandle) continue;
        if (excludeWindow(title)) continue;
        if (excludeListWindows(handle, title)) continue;
        std::string path = windowProcessPath(handle, processes);
        if (isBdsExecutable(path)) continue;
        std::string text = handleText(handle);
        if (listed.count(text) != 0) continue;
        // Catches a window whose title has changed while its handle is still the excluded one.
        if (hasWindowExclusionWithHandle(state_.exclusions, text)) continue;
        const int imageIndex = getImageIndex(path);
        listed.insert(text);
        state_.visibleWindows.append(WindowEntry{std::move(text), title, std::move(path), imageIndex});
    }
}

void WindowInventory::refreshWindowList() {
    struct WaitCursor {
        EngineDialogs& dialogs;
        explicit WaitCursor(EngineDialogs& d) : dialogs(d) { dialogs.setWaitCursor(true); }
        ~WaitCursor() { dialogs.setWaitCursor(false); }
    } waiting(links_.dialogs);
    refreshInventory();
}

bool WindowInventory::excludeWindow(std::string_view title) {
    return sameText(ports_.text, title, links_.ownWindows.mainWindowCaption()) ||
           sameText(ports_.text, title, kProgramManager);
}

bool WindowInventory::excludeListWindows(WindowId aHWND, std::string_view S) {
    auto& exclusions = state_.exclusions.windows;
    for (std::size_t i = 0; i < exclusions.size(); ++i) {
        if (sameText(ports_.text, exclusions[i].title, S)) {
            exclusions.at(i).handleText = handleText(aHWND);
            return true;
        }
    }
    return false;
}

bool WindowInventory::isCloaked(WindowId handle) {
    auto cloaked = ports_.windows.cloakedState(handle);
    return cloaked.has_value() && *cloaked != 0;
}

std::string WindowInventory::windowProcessPath(WindowId handle) {
    ProcessTable processes(ports_.processes);
    return windowProcessPath(handle, processes);
}

std::string WindowInventory::windowProcessPath(WindowId handle, ProcessTable& processes) {
    if (!ports_.windows.isWindow(handle)) return {};
    auto process = ports_.windows.windowProcessId(handle);
    if (!process) return {};
    return processes.nameOf(*process);
}

bool WindowInventory::isBdsExecutable(std::string_view path) {
    return ports_.text.upperCase(path).find(kBdsExecutable) != std::string::npos;
}

int WindowInventory::getImageIndex(std::string_view strPath) {
    if (strPath.empty()) return 0;
    const std::string key = ports_.text.upperCase(strPath);
    if (auto known = iconIndexByPath_.find(key); known != iconIndexByPath_.end()) return known->second;
    if (iconlessThisRefresh_.count(key) != 0) return 0;
    if (state_.imageList == platform::ImageListId{}) state_.imageList = ports_.icons.createImageList();
    auto index = ports_.icons.addSmallFileIcon(state_.imageList, strPath);
    if (!index) {
        // Asked again at the next refresh: the file may have its icon by then.
        iconlessThisRefresh_.insert(key);
        return 0;
    }
    iconIndexByPath_.emplace(key, *index);
    return *index;
}

}  // namespace umbrix::engine
