#pragma once
// An entry of the hidden-window list ("Handle", "Title", "Date and Time").
#include <string>

#include "engine/EntryList.hpp"

namespace umbrix::engine {

struct HiddenWindowEntry {
    std::string handleText;
    std::string title;  // at the moment of hiding
    std::string timeText;  // shown only, never read back
    // "Close window..." asked its application to close it. The entry stays until the window is
    // really gone: an application that refuses, or asks its user first, keeps its window, and
    // the entry is still the way back to it.
    bool closeRequested = false;
    // A way back has shown it (the unhide, "Show selected window", the exit): it may stay on the
    // screen. Until then the window is held hidden, even while its program shows it again.
    bool shownBack = false;

    friend bool operator==(const HiddenWindowEntry&, const HiddenWindowEntry&) = default;
};

// Every window the program has hidden, in the order of hiding. Windows count as hidden
// exactly when it is not empty.
using HiddenWindowList = EntryList<HiddenWindowEntry>;

}  // namespace umbrix::engine
