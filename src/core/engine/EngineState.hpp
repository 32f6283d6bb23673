#pragma once
// The window engine's state: the visible windows, the hidden windows and the exclusions, and
// the user's options (read, never copied).
#include "engine/ExclusionList.hpp"
#include "engine/HiddenWindowEntry.hpp"
#include "engine/WindowEntry.hpp"
#include "platform/IconPort.hpp"
#include "platform/WindowId.hpp"
#include "settings/Options.hpp"

namespace umbrix::engine {

struct EngineState {
    explicit EngineState(const settings::Options& options) : options(options) {}

    VisibleWindowList visibleWindows;  // VisibleWindows
    HiddenWindowList hiddenWindows;  // WindowLV
    ExclusionList exclusions;  // windowExclusionList, applicationExclusionList
    const settings::Options& options;  // the program's one options model
    // The decoy's launch result (`decoyAppHandle`); the inventory leaves a window with this
    // handle out. WindowId{} when no decoy was launched.
    platform::WindowId decoyAppHandle;
    platform::ImageListId imageList;  // ImageList1: icons of the visible windows and exclusions
};

}  // namespace umbrix::engine
