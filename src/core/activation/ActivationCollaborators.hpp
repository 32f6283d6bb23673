#pragma once
// What the activation dispatchers ask of parts of the program that are not theirs: the
// controller's idle-time record of the last active window, and (offered the other way) the
// panic button's way in.
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

}  // namespace umbrix::activation
