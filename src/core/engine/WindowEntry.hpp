#pragma once
// An entry of the visible-window list ("Window ID", "Window title", "Owner process").
#include <string>

#include "engine/EntryList.hpp"

namespace umbrix::engine {

struct WindowEntry {
    std::string handleText;
    std::string title;  // at most 254 characters
    std::string processPath;  // full path, bare file name, "System Idle Process" or empty
    int imageIndex = 0;  // in the engine's image list; 0 is the neutral icon

    friend bool operator==(const WindowEntry&, const WindowEntry&) = default;
};

// The inventory of qualifying top-level windows, top of the Z order first.
using VisibleWindowList = EntryList<WindowEntry>;

}  // namespace umbrix::engine
