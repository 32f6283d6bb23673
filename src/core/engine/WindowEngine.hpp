#pragma once
// The window engine: its state and the parts that act on it, by window and by list entry.
#include "engine/EngineLinks.hpp"
#include "engine/EngineState.hpp"
#include "engine/ExclusionCommands.hpp"
#include "engine/ExclusionFile.hpp"
#include "engine/HiddenWindowCommands.hpp"
#include "engine/HiddenWindowGuard.hpp"
#include "engine/WindowActions.hpp"
#include "engine/WindowInventory.hpp"
#include "platform/Platform.hpp"

namespace umbrix::engine {

class WindowEngine {
public:
    WindowEngine(platform::Platform ports, EngineLinks links, const settings::Options& options)
        : state_(options),
          guard_(ports.windows, state_),
          inventory_(ports, links, state_),
          actions_(ports, links, state_, inventory_, guard_),
          hiddenWindows_(ports, links, state_, inventory_, actions_, guard_),
          exclusionCommands_(ports.text, state_),
          exclusionFile_(ports) {}
    WindowEngine(const WindowEngine&) = delete;
    WindowEngine& operator=(const WindowEngine&) = delete;

    EngineState& state() { return state_; }
    const EngineState& state() const { return state_; }
    WindowInventory& inventory() { return inventory_; }  // refreshInventory, ...
    WindowActions& actions() { return actions_; }  // hideAllWindows, ...
    HiddenWindowCommands& hiddenWindows() { return hiddenWindows_; }  // restoreWindows, ...
    HiddenWindowGuard& hiddenWindowGuard() { return guard_; }  // hides again what shows itself
    ExclusionCommands& exclusionCommands() { return exclusionCommands_; }  // excludeWindow, ...
    ExclusionFile& exclusionFile() { return exclusionFile_; }  // saveExclude, loadLists

private:
    EngineState state_;
    HiddenWindowGuard guard_;
    WindowInventory inventory_;
    WindowActions actions_;
    HiddenWindowCommands hiddenWindows_;
    ExclusionCommands exclusionCommands_;
    ExclusionFile exclusionFile_;
};

}  // namespace umbrix::engine
