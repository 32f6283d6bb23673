#pragma once
// What the main window shows of the window engine: its three lists with their selections,
// the user's options (read, never copied), and the context menu shared by the hidden-window list and the
// application exclusions.
#include "engine/ExclusionList.hpp"
#include "engine/HiddenWindowEntry.hpp"
#include "engine/WindowEntry.hpp"
#include "platform/ShellIconPort.hpp"
#include "platform/WindowId.hpp"
#include "settings/Options.hpp"

namespace umbrix::engine {

// Which commands of the shared context menu are enabled.
struct SharedMenuState {
    bool showSelectedWindow = true;  // "Show selected window"
    bool showAllWindows = true;  // "Show all windows"
    bool closeWindow = true;  // "Close window..."
    bool removeSelected = false;  // "Remove selected"
    bool addApplication = true;  // "Add application"

    friend bool operator==(const SharedMenuState&, const SharedMenuState&) = default;
};

struct EngineState {
    explicit EngineState(const settings::Options& options) : options(options) {}

    VisibleWindowList visibleWindows;  // VisibleWindows
    HiddenWindowList hiddenWindows;  // WindowLV
    ExclusionList exclusions;  // windowExclusionList, applicationExclusionList
    const settings::Options& options;  // the program's one options model
    SharedMenuState sharedMenu;
    // The decoy's launch result (`DecoyAppHandle`); the inventory leaves a window with this
    // handle out. WindowId{} when no decoy was launched.
    platform::WindowId decoyAppHandle;
    platform::ImageListId imageList;  // ImageList1: icons of the visible windows and exclusions
};

}  // namespace umbrix::engine
