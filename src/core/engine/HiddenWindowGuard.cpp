#include "engine/HiddenWindowGuard.hpp"

#include "engine/HandleText.hpp"

namespace umbrix::engine {

HiddenWindowGuard::HiddenWindowGuard(platform::WindowPort& windows, EngineState& state)
    : windows_(windows), state_(state) {}

void HiddenWindowGuard::watch(std::function<void(platform::WindowId)> shown) {
    subscription_ = windows_.watchShownWindows(std::move(shown));
}

bool HiddenWindowGuard::held(platform::WindowId window) const {
    const std::string text = handleText(window);
    for (const HiddenWindowEntry& entry : state_.hiddenWindows.entries()) {
        // Asked to close, its program may show it to ask its user first ("Save changes?").
        if (entry.handleText == text && !entry.shownBack && !entry.closeRequested) return true;
    }
    return false;
}

void HiddenWindowGuard::release(platform::WindowId window) {
    const std::string text = handleText(window);
    auto& hidden = state_.hiddenWindows;
    for (std::size_t i = 0; i < hidden.size(); ++i) {
        if (hidden[i].handleText == text) hidden.at(i).shownBack = true;
    }
}

void HiddenWindowGuard::onWindowShown(platform::WindowId window) {
    // The record needs no new write: it keeps a held window whether or not it is on the screen.
    if (window && window != state_.decoyAppHandle && held(window))
        windows_.showWindow(window, platform::ShowCommand::Hide);
}

}  // namespace umbrix::engine
