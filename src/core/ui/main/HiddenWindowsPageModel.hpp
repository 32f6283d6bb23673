#pragma once
// The main window's list of hidden windows: its selection, the commands of the shared context
// menu over it, and which of them the menu enables while the mouse is over the list. It acts
// through the window engine's operations on a window, by its handle.
#include <cstddef>
#include <optional>
#include <string>

#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "platform/WindowId.hpp"
#include "ui/main/ListSelection.hpp"
#include "ui/main/SharedContextMenu.hpp"

namespace umbrix::ui {

class HiddenWindowsPageModel {
public:
    HiddenWindowsPageModel(engine::WindowEngine& engine, engine::EngineDialogs& dialogs, SharedContextMenu& menu);

    // The user selects the entry at `index` of the list as shown.
    void selectHiddenWindow(std::size_t index);
    // Where the selected hidden window is listed now; nullopt when none is.
    std::optional<std::size_t> selectedHiddenWindow() const;

    // "Show selected window": shows it normal size and drops its entry.
    void showSelectedHiddenWindow();
    // "Show all windows".
    void showAllHiddenWindows();
    // "Close window...": asks, then asks the window's application to close it. Hotkeys keep
    // working while the question is open: an entry the unhide hotkey dropped meanwhile is not
    // marked again.
    void closeSelectedHiddenWindow();

    // The shared context menu enables the hidden-window commands over this list.
    void onListMouseDown(MouseButton button);
    void onListMouseEnter();

private:
    std::optional<platform::WindowId> selectedWindow() const;
    void enableHiddenWindowCommands();

    engine::WindowEngine& engine_;
    engine::EngineDialogs& dialogs_;
    SharedContextMenu& menu_;
    ListSelection<engine::HiddenWindowEntry, std::string> selection_{
        [](const engine::HiddenWindowEntry& entry) { return entry.handleText; }};
};

}  // namespace umbrix::ui
