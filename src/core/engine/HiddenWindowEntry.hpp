#pragma once
// An entry of the hidden-window list ("Handle", "Title", "Date and Time").
#include <cstdint>
#include <optional>
#include <string>

#include "engine/EntryList.hpp"
#include "platform/WindowId.hpp"

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
    // Where it stood in the stacking order when it was hidden, 0 at the top; windows hidden by
    // a later hide stand below those listed before. Unknown for a window taken back from a
    // record that did not say.
    std::optional<std::uint32_t> stackPlace;

    friend bool operator==(const HiddenWindowEntry&, const HiddenWindowEntry&) = default;
};

// Every window the program has hidden, in the order of hiding. Windows count as hidden
// exactly when it is not empty.
class HiddenWindowList : public EntryList<HiddenWindowEntry> {
public:
    // The window the user was working in when the first listed window was hidden: a way back
    // that shows every window activates it again.
    platform::WindowId activeBeforeHide;
};

}  // namespace umbrix::engine
