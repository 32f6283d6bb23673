#include "activation/ActivationSequence.hpp"

#include <stdexcept>

#include "engine/HandleText.hpp"

namespace umbrix::activation {

using engine::ActionSender;
using password::UnlockAnswer;
using platform::WindowId;

namespace {

// Records the decoy's current window (or none) where the inventory looks for it, so that the
// next refresh, and the hide or close action built on it, leaves the decoy on screen. Asked
// afresh each time: a window handle outlives nothing, and a stale one could name a window the
// user opened later.
void markDecoyWindow(extras::Decoy& decoy, engine::EngineState& state) {
    state.decoyAppHandle = platform::WindowId{decoy.decoyWindow().value_or(0)};
}

ActionSender engineSenderOf(hotkeys::ActivationSender sender) {
    switch (sender) {
        case hotkeys::ActivationSender::None: return ActionSender::None;
        case hotkeys::ActivationSender::PanicWindow: return ActionSender::PanicWindow;
        case hotkeys::ActivationSender::CustomHide: return ActionSender::HideHotkey;
        case hotkeys::ActivationSender::CustomUnhide: return ActionSender::UnhideHotkey;
        case hotkeys::ActivationSender::ExitStealth: return ActionSender::StealthHotkey;
    }
    return ActionSender::None;
}

bool actsOnWindows(std::int32_t action) { return action >= kHideAllAction && action <= kCloseActiveAction; }

}  // namespace

// Detaches the idle handler for the outermost dispatch and attaches it again however that
// dispatch ends; a dispatch nested in a modal loop leaves it detached for the outer one.
class ActivationSequence::IdleSuspension {
public:
    explicit IdleSuspension(ActivationSequence& sequence) : sequence_(sequence) {
        if (sequence_.idleSuspensions_++ == 0) sequence_.links_.idleTracking.detachIdleHandler();
    }
    ~IdleSuspension() {
        if (--sequence_.idleSuspensions_ == 0) sequence_.links_.idleTracking.attachIdleHandler();
    }
    IdleSuspension(const IdleSuspension&) = delete;
    IdleSuspension& operator=(const IdleSuspension&) = delete;

private:
    ActivationSequence& sequence_;
};

ActivationSequence::ActivationSequence(ActivationLinks links) : links_(std::move(links)) {
    if (!links_.absorbedError) throw std::invalid_argument("the activation needs the program's error handler");
}

void ActivationSequence::dispatchDefaultHotkey(hotkeys::ActivationSender sender, std::int32_t messageSent) {
    recordingAfter([&] { defaultHotkeyDispatch(sender, messageSent); });
}

void ActivationSequence::dispatchComponentHotkey(hotkeys::ActivationSender sender) {
    recordingAfter([&] { componentDispatch(sender); });
}

void ActivationSequence::activateFromPanicButton() {
    recordingAfter([&] {
        const std::int32_t action = links_.options.action;
        if (action == kHideActiveAction || action == kCloseActiveAction) {
            componentDispatch(hotkeys::ActivationSender::PanicWindow);
        } else {
            defaultDispatch(hotkeys::ActivationSender::PanicWindow, Request::Hide);
        }
    });
}

template <class Dispatch>
void ActivationSequence::recordingAfter(Dispatch&& dispatch) {
    // Recorded when the dispatch returns and when an error leaves it. What is not an error (the
    // program's death) leaves at once, as a crash does, with nothing written after.
    try {
        dispatch();
    } catch (const std::exception&) {
        recordHiddenWindows();
        throw;
    }
    recordHiddenWindows();
}

void ActivationSequence::recordHiddenWindows() {
    try {
        links_.journal.record(links_.engine.state().hiddenWindows);
    } catch (const std::exception&) {
        links_.absorbedError(std::current_exception());
    }
}

void ActivationSequence::defaultHotkeyDispatch(hotkeys::ActivationSender sender, std::int32_t messageSent) {
    if (!links_.options.useDefaultHotkeys && sender != hotkeys::ActivationSender::PanicWindow) return;
    // The custom and exit-stealth hotkeys pass here too, on their way to their components.
    if (links_.defaultHotkeys.isHideAtom(messageSent)) {
        defaultDispatch(sender, Request::Hide);
    } else if (links_.defaultHotkeys.isUnhideAtom(messageSent)) {
        defaultDispatch(sender, Request::Unhide);
    }
}

void ActivationSequence::defaultDispatch(hotkeys::ActivationSender sender, Request request) {
    {
        IdleSuspension suspended(*this);
        if (request == Request::Hide) {
            const std::int32_t action = links_.options.action;
            // The active-window hide gets no sender here; only the close passes it on.
            const ActionSender activeSender =
                action == kCloseActiveAction ? engineSenderOf(sender) : ActionSender::None;
            guardedHide([&] { hideSequence(activeSender, action); });
        } else if (guardedUnhide() != UnhideEnd::Finished) {
            return;
        }
    }
    runExtras(request);
}

void ActivationSequence::componentDispatch(hotkeys::ActivationSender sender) {
    Request request = Request::Hide;
    {
        IdleSuspension suspended(*this);
        if (sender == hotkeys::ActivationSender::ExitStealth) {
            links_.trayIcon.showTrayIcon();
            return;
        }
        if (sender == hotkeys::ActivationSender::CustomHide && links_.options.useDefaultHotkeys) return;

        if (sender == hotkeys::ActivationSender::CustomHide || sender == hotkeys::ActivationSender::PanicWindow) {
            guardedHide([&] { hideSequence(engineSenderOf(sender), links_.options.action); });
        } else if (sender == hotkeys::ActivationSender::CustomUnhide) {
            // Works in both modes: a live unhide key always gives the windows back.
            request = Request::Unhide;
            if (guardedUnhide() != UnhideEnd::Finished) return;
        }
        // A prompt that is open belongs to an outer dispatch's modal loop: not ours to discard.
        if (!links_.unlockPrompt.isOpen()) links_.unlockPrompt.discard();
    }
    runExtras(request);
}

void ActivationSequence::hideSequence(ActionSender activeSender, std::int32_t action) {
    if (!actsOnWindows(action)) return;
    engine::WindowEngine& engine = links_.engine;
    engine::WindowActions& actions = engine.actions();
    markDecoyWindow(links_.decoy, engine.state());
    actions.closeApplicationWindows();
    // The actions answer whether they ran to their end; what they did stays either way.
    switch (action) {
        case kHideAllAction: actions.hideAllWindows(engine::kHide); break;
        case kHideActiveAction: actions.hideActiveApplication(activeSender, engine::kHide); break;
        case kCloseAllAction: actions.closeAllWindows(engine::kHide); break;
        case kCloseActiveAction: actions.closeActiveWindow(activeSender, engine::kHide); break;
    }
    engine.state().visibleWindows.clear();
    if (action == kHideActiveAction || action == kCloseActiveAction) {
        engine.inventory().refreshInventory();
        focusStep();
    }
    launchDecoy();
}

void ActivationSequence::guardedHide(const std::function<void()>& hide) {
    // A hide appends the windows it takes to the end of the list.
    const std::size_t takenFrom = links_.engine.state().hiddenWindows.size();
    try {
        hide();
    } catch (const std::exception&) {
        links_.absorbedError(std::current_exception());
        // Whatever went wrong, the user gets back what this hide took. An error is no way
        // around the unlock prompt: what the password guards from before stays hidden.
        if (links_.password.guardsHiddenWindows(links_.options.requirePassword))
            links_.engine.hiddenWindows().restoreWindowsFrom(takenFrom);
        else
            links_.engine.hiddenWindows().restoreWindows();
    }
}

ActivationSequence::UnhideEnd ActivationSequence::guardedUnhide() {
    engine::WindowEngine& engine = links_.engine;
    // Only a restore the password allowed may be repeated after an error.
    bool restoreAllowed = false;
    try {
        if (engine.state().hiddenWindows.empty()) return UnhideEnd::Finished;
        if (!links_.options.requirePassword) {
            restoreAllowed = true;
            engine.hiddenWindows().restoreWindows();
            return UnhideEnd::Finished;
        }
        switch (links_.unlockPrompt.askToUnlock()) {
            case UnlockAnswer::Unlocked:
                restoreAllowed = true;
                engine.hiddenWindows().restoreWindows();
                return UnhideEnd::Finished;
            case UnlockAnswer::Mismatch: return UnhideEnd::Mismatch;
            case UnlockAnswer::Cancelled: return UnhideEnd::Finished;
            case UnlockAnswer::PromptOpen: return UnhideEnd::Reentered;
        }
        return UnhideEnd::Finished;
    } catch (const std::exception&) {
        links_.absorbedError(std::current_exception());
        if (restoreAllowed) engine.hiddenWindows().restoreWindows();
        return UnhideEnd::Finished;
    }
}

void ActivationSequence::focusStep() {
    platform::WindowPort& windows = links_.windows;
    for (const engine::WindowEntry& entry : links_.engine.state().visibleWindows.entries()) {
        const WindowId window = engine::windowFromHandleText(entry.handleText);
        if (isWindowMinimized(window)) continue;
        windows.setForegroundWindow(window);
        return;
    }
}

bool ActivationSequence::isWindowMinimized(WindowId window) {
    const auto state = links_.windows.showState(window);
    return !state || *state == platform::ShowState::Minimized;
}

void ActivationSequence::launchDecoy() {
    links_.decoy.launchDecoy(extras::DecoyOptions{links_.options.useDecoy, links_.options.decoyProgram});
    markDecoyWindow(links_.decoy, links_.engine.state());
}

void ActivationSequence::runExtras(Request request) {
    if (links_.options.action == kDoNothingAction) return;
    const bool nothingHidden = request == Request::Unhide && links_.engine.state().hiddenWindows.empty();
    links_.extras.runExtras(links_.options,
                            nothingHidden ? extras::ExtrasScope::CleanupOnly : extras::ExtrasScope::Everything);
}

}  // namespace umbrix::activation
