#pragma once
// The two dispatchers of an activation (dispatchDefaultHotkey for the default set and the panic button,
// dispatchComponentHotkey for the hotkey components and the panic button) and the order of
// their steps: the preparation, the configured action, the focus and decoy steps, the unhide
// with its password, and the extras after both.
//
// Re-entry: the unlock prompt runs a nested message loop in which hotkeys keep arriving. An
// unhide that finds the prompt already open is ignored whole: it restores nothing, runs no
// extras and leaves the open prompt to the dispatch that showed it. A hide is never held back:
// its preparation closes the prompt, and the dispatch waiting on it restores nothing.
#include <cstdint>
#include <exception>
#include <functional>

#include "activation/ActivationLinks.hpp"
#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/Decoy.hpp"
#include "hotkeys/ActivationDispatch.hpp"
#include "hotkeys/DefaultHotkeys.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/WindowPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::activation {

// The configured action ("Action"): 0..3 act on windows; 4, and any other value, do not.
inline constexpr std::int32_t kHideAllAction = 0;
inline constexpr std::int32_t kHideActiveAction = 1;
inline constexpr std::int32_t kCloseAllAction = 2;
inline constexpr std::int32_t kCloseActiveAction = 3;
inline constexpr std::int32_t kDoNothingAction = 4;

class ActivationSequence final : public hotkeys::DefaultHotkeyDispatcher,
                                 public hotkeys::HotkeyComponentDispatcher,
                                 public PanicButtonActivation {
public:
    explicit ActivationSequence(ActivationLinks links);
    ActivationSequence(const ActivationSequence&) = delete;
    ActivationSequence& operator=(const ActivationSequence&) = delete;

    void dispatchDefaultHotkey(hotkeys::ActivationSender sender, std::int32_t messageSent) override;
    void dispatchComponentHotkey(hotkeys::ActivationSender sender) override;

    // The panic button's click: the active-window actions (1, 3) go to dispatchComponentHotkey, every other
    // action to the default dispatcher as the hide hotkey, whether or not its atom exists.
    void activateFromPanicButton() override;

    // isWindowMinimized: the window's placement says minimized. A window that is gone is not
    // a candidate for the focus either, so it answers true for it.
    bool isWindowMinimized(platform::WindowId window);

private:
    enum class Request { Hide, Unhide };
    // How an unhide sequence ended for the rest of its dispatch.
    enum class UnhideEnd {
        Finished,  // the remaining steps follow
        Mismatch,  // the prompt accepted a password that is no longer the current one: stop
        Reentered,  // a prompt is open in an outer dispatch: this one does nothing at all
    };
    class IdleSuspension;

    template <class Dispatch>
    void recordingAfter(Dispatch&& dispatch);
    void recordHiddenWindows();
    void defaultHotkeyDispatch(hotkeys::ActivationSender sender, std::int32_t messageSent);
    void componentDispatch(hotkeys::ActivationSender sender);
    void defaultDispatch(hotkeys::ActivationSender sender, Request request);
    // The hide sequence of the configured action; `activeSender` goes to the active-window
    // actions.
    void hideSequence(engine::ActionSender activeSender, std::int32_t action);
    // Runs a hide sequence; an error that ends it gives back the windows it had taken, and the
    // windows hidden earlier too unless the password guards them.
    void guardedHide(const std::function<void()>& hide);
    UnhideEnd guardedUnhide();
    void focusStep();
    void launchDecoy();
    // runExtras after a dispatch. After an unhide the audio is muted and Ctrl+Alt+Del
    // restricted again only while windows are still hidden: the user who just got the desktop
    // back must not lose the sound and the Task Manager with it.
    void runExtras(Request request);

    ActivationLinks links_;
    int idleSuspensions_ = 0;  // nested dispatches share one suspension
};

}  // namespace umbrix::activation
