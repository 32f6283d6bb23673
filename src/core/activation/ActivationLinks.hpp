#pragma once
// What the activation needs from the rest of the program, and what it offers: the parts it
// drives, called by name (ActivationLinks), the controller's idle-time record of the last active
// window (IdleTracking), and the panic button's way in (PanicButtonActivation).
#include <exception>
#include <functional>

#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/Decoy.hpp"
#include "hotkeys/DefaultHotkeys.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/WindowPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::activation {

// The controller's idle handler, which records the window the user last worked in. While an
// activation runs it is detached, so that windows coming to the front meanwhile (the unlock
// prompt above all) are not taken for the user's window.
class IdleTracking {
public:
    virtual ~IdleTracking() = default;
    virtual void detachIdleHandler() = 0;
    virtual void attachIdleHandler() = 0;
};

// What a click on the panic button starts: the configured action, as the hide hotkey would.
class PanicButtonActivation {
public:
    virtual ~PanicButtonActivation() = default;
    virtual void activateFromPanicButton() = 0;
};

// The parts of the program an activation drives, each called by name.
struct ActivationLinks {
    // The user's options, read at the moment of each step.
    const settings::Options& options;
    platform::WindowPort& windows;  // the focus step
    engine::WindowEngine& engine;
    extras::ActivationExtras& extras;
    extras::Decoy& decoy;
    password::UnlockPromptSlot& unlockPrompt;
    const password::UnhidePassword& password;  // whether it guards the hidden windows
    const hotkeys::DefaultHotkeys& defaultHotkeys;  // the hide and unhide atoms
    engine::TrayIcon& trayIcon;  // the exit-stealth hotkey brings the icon back
    // The on-disk record of the hidden windows ("Hidden.dat"), brought up to date after every
    // dispatch, whatever started it and however it ended.
    engine::HideJournal& journal;
    IdleTracking& idleTracking;
    // An error that ends a hide or unhide sequence is absorbed by the dispatcher, which then
    // carries on; it is handed here (the program's error handler) so it is never lost unseen.
    std::function<void(std::exception_ptr)> absorbedError;
};

}  // namespace umbrix::activation
