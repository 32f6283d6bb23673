#include "engine/HiddenWindowCommands.hpp"

#include <algorithm>
#include <vector>

#include "common/TextCompare.hpp"
#include "engine/BestEffort.hpp"
#include "engine/HandleText.hpp"
#include "engine/HiddenStacking.hpp"
#include "engine/KnownTexts.hpp"

namespace umbrix::engine {

using platform::ShowCommand;

HiddenWindowCommands::HiddenWindowCommands(platform::Platform ports, EngineLinks links, EngineState& state,
                                           WindowInventory& inventory, WindowActions& actions, HiddenWindowGuard& guard)
    : ports_(ports), links_(links), state_(state), inventory_(inventory), actions_(actions), guard_(guard) {}

void HiddenWindowCommands::showRecordedWindows(std::size_t first) {
    const std::vector<HiddenWindowEntry>& all = state_.hiddenWindows.entries();
    const std::vector<HiddenWindowEntry> entries(all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())),
                                                 all.end());
    std::vector<HiddenWindowEntry> shown;
    std::vector<std::string> handles;
    for (const HiddenWindowEntry& entry : entries) {
        if (sameText(ports_.text, entry.title, links_.ownWindows.mainWindowCaption()) ||
            sameText(ports_.text, entry.title, kCacheManager))
            continue;
        handles.push_back(entry.handleText);
        shown.push_back(entry);
    }
    actions_.showWindowsTogether(handles);
    // Each show raised and activated its window; the stack goes back to how it stood.
    restoreStackingOrder(ports_.windows, shown, state_.hiddenWindows.activeBeforeHide);
}

void HiddenWindowCommands::restoreWindows(std::string_view /*MessageSent*/) {
    // The list is emptied only once every window has been shown: should the walk fail, the
    // entries are still there for the next attempt.
    showRecordedWindows(0);
    state_.hiddenWindows.clear();
    inventory_.refreshInventory();
}

void HiddenWindowCommands::restoreWindowsFrom(std::size_t first) {
    showRecordedWindows(first);
    auto& hidden = state_.hiddenWindows;
    while (hidden.size() > first) hidden.removeAt(hidden.size() - 1);
    inventory_.refreshInventory();
}

bool HiddenWindowCommands::showEveryHiddenWindow() {
    return runBestEffort([&] { showRecordedWindows(0); });
}

void HiddenWindowCommands::showHiddenWindow(platform::WindowId window) {
    auto& hidden = state_.hiddenWindows;
    for (std::size_t i = hidden.size(); i-- > 0;) {
        if (windowFromHandleText(hidden[i].handleText) != window) continue;
        showNormal(hidden[i]);
        hidden.removeAt(i);
        return;
    }
}

void HiddenWindowCommands::showAllHiddenWindows() {
    auto& hidden = state_.hiddenWindows;
    while (!hidden.empty()) {
        const std::size_t last = hidden.size() - 1;
        showNormal(hidden[last]);
        hidden.removeAt(last);
    }
}

void HiddenWindowCommands::showNormal(const HiddenWindowEntry& entry) {
    const platform::WindowId window = windowFromHandleText(entry.handleText);
    guard_.release(window);
    ports_.windows.showWindow(window, ShowCommand::ShowNormal);
}

void HiddenWindowCommands::closeHiddenWindow(platform::WindowId window) {
    ports_.windows.postCloseRequest(window);
    auto& hidden = state_.hiddenWindows;
    for (std::size_t i = 0; i < hidden.size(); ++i)
        if (windowFromHandleText(hidden[i].handleText) == window) hidden.at(i).closeRequested = true;
    dropClosedWindows();
}

void HiddenWindowCommands::dropClosedWindows() {
    auto& hidden = state_.hiddenWindows;
    for (std::size_t i = hidden.size(); i-- > 0;) {
        if (hidden[i].closeRequested && !ports_.windows.isWindow(windowFromHandleText(hidden[i].handleText)))
            hidden.removeAt(i);
    }
}

}  // namespace umbrix::engine
