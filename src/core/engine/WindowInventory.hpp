#pragma once
// The inventory of the user's windows: every top-level window that passes the filter chain,
// with its title, executable and icon, top of the Z order first. Rebuilt from nothing on every
// refresh; one process snapshot serves a whole refresh.
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "engine/EngineLinks.hpp"
#include "engine/EngineState.hpp"
#include "engine/ProcessTable.hpp"
#include "platform/Platform.hpp"

namespace umbrix::engine {

class WindowInventory {
public:
    WindowInventory(platform::Platform ports, EngineLinks links, EngineState& state);

    // Empties the handle array and rebuilds the visible-window list.
    void refreshInventory();

    // "Refresh..." of the visible-window list: refreshInventory under the hourglass.
    void refreshWindowList();

    // True for the main window's current caption and "Program Manager", in any letter case.
    bool excludeWindow(std::string_view title);

    // True when a window exclusion has this title (any letter case); the first such exclusion
    // takes the window's handle text.
    bool excludeListWindows(platform::WindowId aHWND, std::string_view S);

    // True only when the compositor answers and reports the window cloaked.
    bool isCloaked(platform::WindowId handle);

    // The executable of the window's process, from a snapshot of its own.
    std::string windowProcessPath(platform::WindowId handle);

    // The index of the file's small icon in the engine's image list; 0 (the neutral icon) on any
    // failure. Windows of one executable share its icon.
    int getImageIndex(std::string_view strPath);

    // The enumeration callback: collects the handle and asks for more.
    bool collectWindow(platform::WindowId handle);

    // THandleArray: the handles of the last enumeration, in Z order.
    const std::vector<platform::WindowId>& handles() const { return handles_; }

private:
    std::string windowProcessPath(platform::WindowId handle, ProcessTable& processes);
    bool isBdsExecutable(std::string_view path);

    platform::Platform ports_;
    EngineLinks links_;
    EngineState& state_;
    std::vector<platform::WindowId> handles_;
    std::map<std::string, int> iconIndexByPath_;  // upper-cased path -> index in the image list
    std::unordered_set<std::string> iconlessThisRefresh_;  // asked in vain since the refresh began
};

}  // namespace umbrix::engine
