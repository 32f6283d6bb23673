#pragma once
// Keeps hidden windows hidden while a hide is in force. A program whose window the user had
// hidden may show it again by itself (a chat window on a new message, a dialog that shows its
// owner); the window would be back on the screen for anyone to see. The guard watches the
// windows the system reports shown and hides again at once each one the hidden-window list
// holds, leaving it listed so that the next unhide brings it back like the others.
//
// A window is let go from the moment a way back shows it (its entry is then shownBack); a hide
// that takes it again lists it anew. A window whose close the user asked for, and the decoy's
// window, are left alone.
#include <functional>
#include <memory>

#include "engine/EngineState.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::engine {

class HiddenWindowGuard {
public:
    HiddenWindowGuard(platform::WindowPort& windows, EngineState& state);

    // Starts watching, on the thread that handles the program's messages. `shown` is what the
    // system calls: it must run onWindowShown and keep its errors from the caller.
    void watch(std::function<void(platform::WindowId)> shown);
    bool watching() const { return subscription_ != nullptr; }

    // A window has been shown: hidden again when the list holds it and no way back has let it
    // go; anything else is left as it is.
    void onWindowShown(platform::WindowId window);

    // A way back is about to show the window: every entry of it is marked shownBack.
    void release(platform::WindowId window);

private:
    bool held(platform::WindowId window) const;

    platform::WindowPort& windows_;
    EngineState& state_;
    std::unique_ptr<platform::WindowEventSubscription> subscription_;
};

}  // namespace umbrix::engine
