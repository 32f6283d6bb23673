#include "engine/WindowActions.hpp"

#include <algorithm>
#include <vector>

#include "common/TextCompare.hpp"
#include "engine/BestEffort.hpp"
#include "engine/ExclusionRules.hpp"
#include "engine/HandleText.hpp"
#include "engine/HiddenStacking.hpp"
#include "engine/HideTime.hpp"
#include "engine/KnownTexts.hpp"

namespace umbrix::engine {

using platform::ShowCommand;
using platform::WindowId;

WindowActions::WindowActions(platform::Platform ports, EngineLinks links, EngineState& state,
                             WindowInventory& inventory, HiddenWindowGuard& guard)
    : ports_(ports), links_(links), state_(state), inventory_(inventory), guard_(guard) {}

void WindowActions::closeApplicationWindows() {
    if (state_.options.alwaysHideTrayIcon) links_.trayIcon.removeTrayIcon();
    if (links_.lockdown.hasAdministratorRights())
        links_.lockdown.setTaskManagerDisabled(state_.options.disableTaskManager);
    closeMainWindowIfVisible();
    if (links_.ownWindows.isPasswordPromptShown()) links_.ownWindows.closeAndDestroyPasswordPrompt();
    if (links_.ownWindows.isAboutWindowShown()) links_.ownWindows.closeAboutWindow();
}

void WindowActions::closeMainWindowIfVisible() {
    if (links_.ownWindows.isMainWindowVisible()) links_.ownWindows.closeMainWindow();
}

bool WindowActions::isMainCaptionOrDesktop(std::string_view title) {
    return sameText(ports_.text, title, links_.ownWindows.mainWindowCaption()) ||
           sameText(ports_.text, title, kProgramManager);
}

bool WindowActions::isNeverHidden(std::string_view title) {
    return isMainCaptionOrDesktop(title) || sameText(ports_.text, title, kCacheManager);
}

// A click on the panic button has made the button the foreground window, so the window the
// user worked in is the one recorded before the click. Any other start (a hotkey above all)
// leaves the user's window in the foreground, whether or not a panic window exists.
WindowId WindowActions::activeTarget(ActionSender Sender) {
    if (Sender == ActionSender::PanicWindow) return links_.foregroundHistory.lastActiveHandle();
    return ports_.windows.foregroundWindow();
}

// The record comes first: if the hide then fails half-way, the list still leads back to the
// window; a record of a window that was not hidden after all only costs a harmless show later.
void WindowActions::hideAndRecord(ActionSender Sender, int dlAction, HiddenWindowEntry entry) {
    const std::string handle = entry.handleText;
    state_.hiddenWindows.append(std::move(entry));
    showHideWindow(Sender, dlAction, handle);
}

void WindowActions::prepareHide(std::vector<HiddenWindowEntry>& toHide, WindowId active) {
    noteStackingOrder(ports_.windows, state_.hiddenWindows, toHide, active);
    links_.hideJournal.aboutToHide(state_.hiddenWindows, toHide);
}

bool WindowActions::hideAllWindows(int dlAction) {
    return runBestEffort([&] {
        closeApplicationWindows();
        inventory_.refreshInventory();
        std::vector<HiddenWindowEntry> toHide;
        for (const WindowEntry& entry : state_.visibleWindows.entries()) {
            if (isNeverHidden(entry.title)) continue;
            if (skippedByExclusionMode(ports_.text, state_.exclusions, exclusionMode(), entry)) continue;
            toHide.push_back(HiddenWindowEntry{entry.handleText, entry.title});
        }
        if (toHide.empty()) return;
        // The hide's time text, taken once for all its windows.
        const std::string time = dateAndTimeText(ports_.clock);
        for (HiddenWindowEntry& entry : toHide) entry.timeText = time;
        // A click on the panic button has made the button the active window; the user's is the
        // one before it.
        WindowId active = ports_.windows.foregroundWindow();
        if (active && active == links_.panicButton.panicWindowHandle())
            active = links_.foregroundHistory.lastActiveHandle();
        prepareHide(toHide, active);
        if (dlAction == kHide) return hideAndRecordTogether(std::move(toHide));
        for (HiddenWindowEntry& entry : toHide) hideAndRecord(ActionSender::None, dlAction, std::move(entry));
    });
}

// The windows of one hide go together, so that each program hides its windows as fast as it
// can instead of one round trip after another. Should that fail, each window goes on its own
// with its own recovery; hiding a window that is hidden already changes nothing.
void WindowActions::hideAndRecordTogether(std::vector<HiddenWindowEntry> toHide) {
    std::vector<std::string> handles;
    for (HiddenWindowEntry& entry : toHide) {
        handles.push_back(entry.handleText);
        state_.hiddenWindows.append(std::move(entry));
    }
    const bool hidden = runBestEffort([&] {
        if (state_.options.alwaysHidePanicButton) links_.panicButton.closePanicWindow();
        const WindowId panicWindow = links_.panicButton.panicWindowHandle();
        std::vector<WindowId> windows;
        for (const std::string& handle : handles) {
            const WindowId window = windowFromHandleText(handle);
            if (window != panicWindow) windows.push_back(window);
        }
        ports_.windows.showWindows(windows, ShowCommand::Hide);
    });
    if (hidden) return;
    for (const std::string& handle : handles) showHideWindow(ActionSender::None, kHide, handle);
}

bool WindowActions::hideActiveApplication(ActionSender Sender, int dlAction) {
    return runBestEffort([&] {
        closeMainWindowIfVisible();
        const WindowId target = activeTarget(Sender);
        const std::string title = ports_.windows.windowText(target);
        if (title.empty() || isNeverHidden(title) || !ports_.windows.isWindowVisible(target)) return;
        const auto process = ports_.windows.windowProcessId(target);
        // The other windows of the same application, from the end of the list as last refreshed.
        std::vector<std::string> siblings;
        if (state_.options.hideParentWindows && process) {
            const std::vector<WindowEntry> entries = state_.visibleWindows.entries();
            for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
                const WindowId window = windowFromHandleText(entry->handleText);
                if (window != target && isSameProcess(window, *process)) siblings.push_back(entry->handleText);
            }
        }
        const std::string time = dateAndTimeText(ports_.clock);
        std::vector<HiddenWindowEntry> toHide{HiddenWindowEntry{handleText(target), title, time}};
        for (const std::string& sibling : siblings) toHide.push_back(HiddenWindowEntry{sibling, {}, time});
        prepareHide(toHide, target);

        hideAndRecord(Sender, dlAction, std::move(toHide.front()));
        for (std::size_t i = 1; i < toHide.size(); ++i) {
            const WindowId window = windowFromHandleText(toHide[i].handleText);
            if (!ports_.windows.isWindowVisible(window)) continue;
            toHide[i].title = ports_.windows.windowText(window);
            if (toHide[i].title.empty() || isNeverHidden(toHide[i].title)) continue;
            hideAndRecord(Sender, dlAction, std::move(toHide[i]));
        }
    });
}

bool WindowActions::closeAllWindows(int /*dlAction*/) {
    return runBestEffort([&] {
        closeMainWindowIfVisible();
        inventory_.refreshInventory();
        const std::vector<WindowEntry> entries = state_.visibleWindows.entries();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            if (isMainCaptionOrDesktop(entry->title)) continue;
            if (skippedByExclusionMode(ports_.text, state_.exclusions, exclusionMode(), *entry)) continue;
            // The request goes to the listed window itself: a look-up by title could reach a
            // window of the same title that is excluded or hidden instead.
            ports_.windows.postCloseRequest(windowFromHandleText(entry->handleText));
        }
    });
}

bool WindowActions::closeActiveWindow(ActionSender Sender, int /*dlAction*/) {
    return runBestEffort([&] {
        closeMainWindowIfVisible();
        const WindowId target = activeTarget(Sender);
        const std::string title = ports_.windows.windowText(target);
        const auto process = ports_.windows.windowProcessId(target);
        if (title.empty() || sameText(ports_.text, title, kProgramManager) || !ports_.windows.isWindowVisible(target))
            return;
        ports_.windows.postCloseRequest(target);
        if (!state_.options.closeParentWindows || !process) return;

        // The target has its request already; a second one would make an application that asks
        // "save changes?" ask twice.
        const std::vector<WindowEntry> entries = state_.visibleWindows.entries();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            const WindowId window = windowFromHandleText(entry->handleText);
            if (window == target || !ports_.windows.isWindowVisible(window)) continue;
            if (ports_.windows.windowText(window).empty() || !isSameProcess(window, *process)) continue;
            ports_.windows.postCloseRequest(window);
        }
    });
}

bool WindowActions::showHideWindow(ActionSender /*Sender*/, int showFlag, std::string_view handleText) {
    const WindowId handle = windowFromHandleText(handleText);
    return runBestEffort(
        [&] {
            if (state_.options.alwaysHidePanicButton) links_.panicButton.closePanicWindow();
            if (showFlag == kHide) {
                if (handle == links_.panicButton.panicWindowHandle()) return false;
                return ports_.windows.showWindow(handle, ShowCommand::Hide);
            }
            guard_.release(handle);
            ports_.windows.showWindow(handle, ShowCommand::Show);
            if (state_.options.muteAudio) links_.audioMute.switchMuteOff();
            if (state_.options.disableCtrlAltDel) links_.lockdown.liftCtrlAltDelRestrictions();
            return true;
        },
        [&] {
            guard_.release(handle);
            ports_.windows.showWindow(handle, ShowCommand::Show);
            links_.trayIcon.showTrayIcon();
        });
}

void WindowActions::showWindowsTogether(const std::vector<std::string>& handleTexts) {
    if (handleTexts.empty()) return;
    const bool shown = runBestEffort([&] {
        if (state_.options.alwaysHidePanicButton) links_.panicButton.closePanicWindow();
        std::vector<WindowId> windows;
        for (const std::string& handle : handleTexts) {
            windows.push_back(windowFromHandleText(handle));
            guard_.release(windows.back());
        }
        ports_.windows.showWindows(windows, ShowCommand::Show);
        if (state_.options.muteAudio) links_.audioMute.switchMuteOff();
        if (state_.options.disableCtrlAltDel) links_.lockdown.liftCtrlAltDelRestrictions();
    });
    if (shown) return;
    for (const std::string& handle : handleTexts) showHideWindow(ActionSender::None, kShow, handle);
}

bool WindowActions::isSameProcess(WindowId handle, platform::ProcessId pid) {
    auto process = ports_.windows.windowProcessId(handle);
    return process.has_value() && *process == pid;
}

void WindowActions::hideListedWindow(WindowId window) {
    const auto& listed = state_.visibleWindows.entries();
    const auto found = std::find_if(listed.begin(), listed.end(), [&](const WindowEntry& entry) {
        return windowFromHandleText(entry.handleText) == window;
    });
    if (found == listed.end()) return;
    const WindowEntry entry = *found;
    if (isNeverHidden(entry.title)) return;
    std::vector<HiddenWindowEntry> toHide{HiddenWindowEntry{entry.handleText, entry.title, timeText(ports_.clock)}};
    noteStackingOrder(ports_.windows, state_.hiddenWindows, toHide, ports_.windows.foregroundWindow());
    hideAndRecord(ActionSender::None, kHide, std::move(toHide.front()));
    // Looked up again: the list is the same unless a collaborator refreshed it meanwhile.
    const auto& entries = state_.visibleWindows.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].handleText == entry.handleText) {
            state_.visibleWindows.removeAt(i);
            break;
        }
    }
}

}  // namespace umbrix::engine
