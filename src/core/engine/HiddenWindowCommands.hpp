#pragma once
// The ways back: restoring every hidden window at once, on exit, or one by one from the
// hidden-window list, and closing a hidden window.
#include <cstddef>
#include <string_view>

#include "engine/EngineLinks.hpp"
#include "engine/EngineState.hpp"
#include "engine/HiddenWindowGuard.hpp"
#include "engine/WindowActions.hpp"
#include "engine/WindowInventory.hpp"
#include "platform/Platform.hpp"

namespace umbrix::engine {

class HiddenWindowCommands {
public:
    HiddenWindowCommands(platform::Platform ports, EngineLinks links, EngineState& state, WindowInventory& inventory,
                         WindowActions& actions, HiddenWindowGuard& guard);

    // Shows every recorded window in the order of hiding (in one batch, showWindowsTogether, which
    // also switches the mute off and lifts the Ctrl+Alt+Del restrictions when so configured),
    // then puts them back in the stacking order they had and activates the window that was
    // active before the hide (HiddenStacking.hpp); empties the list and rebuilds the inventory.
    // Windows titled like the main window or "Cache Manager" are left hidden. It asks for no
    // password: its callers do.
    void restoreWindows(std::string_view MessageSent = {});
    // The same for the entries from `first` on (the windows one hide took): they are shown and
    // dropped, the earlier entries stay hidden and listed.
    void restoreWindowsFrom(std::size_t first);

    // Shows every recorded window as restoreWindows does, keeping the list as it is. False when
    // an unexpected failure ended the walk.
    bool showEveryHiddenWindow();

    // Shows one hidden window normal size, without the extras, and drops its entry (the
    // latest, should it be listed twice). A window that is not listed stays as it is.
    void showHiddenWindow(platform::WindowId window);
    // From the last entry to the first, shows each normal size and drops it.
    void showAllHiddenWindows();
    // Asks the application of a hidden window to close it. Its entries stay, marked, until the
    // window is really gone: an application that refuses, or asks its user first, keeps its
    // window, and the entry is still the way back to it.
    void closeHiddenWindow(platform::WindowId window);

    // Drops the entries whose close was requested and whose windows are gone.
    void dropClosedWindows();

private:
    void showRecordedWindows(std::size_t first);
    void showNormal(const HiddenWindowEntry& entry);

    platform::Platform ports_;
    EngineLinks links_;
    EngineState& state_;
    WindowInventory& inventory_;
    WindowActions& actions_;
    HiddenWindowGuard& guard_;
};

}  // namespace umbrix::engine
