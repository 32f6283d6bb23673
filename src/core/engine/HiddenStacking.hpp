#pragma once
// The desk as the user left it: where the hidden windows stood in the stacking order and which
// window was active, noted when they are hidden, and put back after a way back has shown them.
// Showing each window raises and activates it, so without this the windows would come back in
// the order they were shown, the stack upside down and a modal dialog under its owner.
#include <vector>

#include "engine/HiddenWindowEntry.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::engine {

// Gives each window of `toHide` (entries not yet listed) its place in the stacking order as it
// stands now, below every window listed in `hidden`; when `hidden` is empty, `active` becomes the
// window to activate again.
void noteStackingOrder(platform::WindowPort& windows, HiddenWindowList& hidden, std::vector<HiddenWindowEntry>& toHide,
                       platform::WindowId active);

// After a way back has shown `shown`: one move of the stack puts those with a place back in
// their order, top first, and the window that was active before the hide is activated again if
// it still shows, else the top one of them. Entries without a place (an older record's) are
// left where showing put them.
void restoreStackingOrder(platform::WindowPort& windows, const std::vector<HiddenWindowEntry>& shown,
                          platform::WindowId activeBeforeHide);

}  // namespace umbrix::engine
