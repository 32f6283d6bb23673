#include "hotkeys/ActivationSequence.hpp"

#include <stdexcept>

#include "engine/HandleText.hpp"
#include "extras/EngineJoins.hpp"

namespace umbrix::hotkeys {

using engine::ActionSender;
using password::UnlockAnswer;
using platform::WindowId;

namespace {

ActionSender engineSenderOf(ActivationSender sender) {
    switch (sender) {
        case ActivationSender::None: return ActionSender::None;
        case ActivationSender::PanicWindow: return ActionSender::PanicWindow;
        case ActivationSender::CustomHide: return ActionSender::HideHotkey;
        case ActivationSender::CustomUnhide: return ActionSender::UnhideHotkey;
        case ActivationSender::ExitStealth: return ActionSender::StealthHotkey;
    }
    return ActionSender::None;
}

extras::ExtrasOptions extrasOptionsOf(const settings::AppSelections& selections) {
    return extras::ExtrasOptions{
        .muteAudio = selections.muteAudio,
        .disableCtrlAltDel = selections.disableCtrlAltDel,
        .emptyRecycleBin = selections.emptyRecycleBin,
        .clearTemporaryFiles = selections.clearTemporaryFiles,
        .clearInternetHistory = selections.clearInternetHistory,
        .clearRecentDocuments = selections.clearRecentDocuments,
    };
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

void ActivationSequence::dispatchDefaultHotkey(ActivationSender sender, std::int32_t messageSent) {
    if (!links_.selections.useDefaultHotkeys && sender != ActivationSender::PanicWindow) return;
    // The custom and exit-stealth hotkeys pass here too, on their way to their components.
    if (links_.defaultHotkeys.isHideAtom(messageSent)) {
        defaultDispatch(sender, Request::Hide);
    } else if (links_.defaultHotkeys.isUnhideAtom(messageSent)) {
        defaultDispatch(sender, Request::Unhide);
    }
}

void ActivationSequence::activateFromPanicButton() {
    const std::int32_t action = links_.selections.action;
    if (action == kHideActiveAction || action == kCloseActiveAction) {
        dispatchComponentHotkey(ActivationSender::PanicWindow);
    } else {
        defaultDispatch(ActivationSender::PanicWindow, Request::Hide);
    }
}

void ActivationSequence::defaultDispatch(ActivationSender sender, Request request) {
    {
        IdleSuspension suspended(*this);
        if (request == Request::Hide) {
            const std::int32_t action = links_.selections.action;
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

void ActivationSequence::dispatchComponentHotkey(ActivationSender sender) {
    Request request = Request::Hide;
    {
        IdleSuspension suspended(*this);
        if (sender == ActivationSender::ExitStealth) {
            links_.trayIcon.showTrayIcon();
            return;
        }
        if (sender == ActivationSender::CustomHide && links_.selections.useDefaultHotkeys) return;

        if (sender == ActivationSender::CustomHide || sender == ActivationSender::PanicWindow) {
            guardedHide([&] { hideSequence(engineSenderOf(sender), links_.selections.action); });
        } else if (sender == ActivationSender::CustomUnhide) {
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
    extras::markDecoyWindow(links_.decoy, engine.state());
    actions.CloseApplicationWindows();
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
        if (links_.password.guardsHiddenWindows(links_.selections.requirePassword))
            links_.engine.hiddenWindows().RestoreWindowsFrom(takenFrom);
        else
            links_.engine.hiddenWindows().RestoreWindows();
    }
}

ActivationSequence::UnhideEnd ActivationSequence::guardedUnhide() {
    engine::WindowEngine& engine = links_.engine;
    // Only a restore the password allowed may be repeated after an error.
    bool restoreAllowed = false;
    try {
        if (engine.state().hiddenWindows.empty()) return UnhideEnd::Finished;
        if (!links_.selections.requirePassword) {
            restoreAllowed = true;
            engine.hiddenWindows().RestoreWindows();
            return UnhideEnd::Finished;
        }
        switch (links_.unlockPrompt.askToUnlock()) {
            case UnlockAnswer::Unlocked:
                restoreAllowed = true;
                engine.hiddenWindows().RestoreWindows();
                return UnhideEnd::Finished;
            case UnlockAnswer::Mismatch: return UnhideEnd::Mismatch;
            case UnlockAnswer::Cancelled: return UnhideEnd::Finished;
            case UnlockAnswer::PromptOpen: return UnhideEnd::Reentered;
        }
        return UnhideEnd::Finished;
    } catch (const std::exception&) {
        links_.absorbedError(std::current_exception());
        if (restoreAllowed) engine.hiddenWindows().RestoreWindows();
        return UnhideEnd::Finished;
    }
}

void ActivationSequence::focusStep() {
    platform::WindowPort& windows = links_.windows;
    for (const engine::WindowEntry& entry : links_.engine.state().visibleWindows.entries()) {
        const WindowId window = engine::windowFromHandleText(entry.handleText);
        if (IsWindowMinimized(window)) continue;
        windows.setForegroundWindow(window);
        return;
    }
}

bool ActivationSequence::IsWindowMinimized(WindowId window) {
    const auto state = links_.windows.showState(window);
    return !state || *state == platform::ShowState::Minimized;
}

void ActivationSequence::launchDecoy() {
    links_.decoy.LaunchDecoy(extras::DecoyOptions{links_.selections.useDecoy, links_.selections.decoyProgram});
    extras::markDecoyWindow(links_.decoy, links_.engine.state());
}

void ActivationSequence::runExtras(Request request) {
    if (links_.selections.action == kDoNothingAction) return;
    extras::ExtrasOptions options = extrasOptionsOf(links_.selections);
    if (request == Request::Unhide && links_.engine.state().hiddenWindows.empty()) {
        options.muteAudio = false;
        options.disableCtrlAltDel = false;
    }
    links_.extras.runExtras(options);
}

}  // namespace umbrix::hotkeys
