#pragma once
// The hotkey machinery of one program against the simulated session.
#include <exception>
#include <vector>

#include "hotkeys/GlobalHotkey.hpp"
#include "hotkeys/HotkeyRouter.hpp"
#include "hotkeys/HotkeyText.hpp"
#include "hotkeys/OwnedHotkeyWindow.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::hotkeys {

// Records every dispatch, in order.
class RecordingDispatchers : public DefaultHotkeyDispatcher, public HotkeyComponentDispatcher {
public:
    struct Call {
        const char* dispatcher;
        ActivationSender sender;
        std::int32_t messageSent;
        friend bool operator==(const Call&, const Call&) = default;
    };
    void dispatchDefaultHotkey(ActivationSender sender, std::int32_t messageSent) override {
        calls.push_back({"dispatchDefaultHotkey", sender, messageSent});
        if (onDispatchDefaultHotkey) onDispatchDefaultHotkey(messageSent);
    }
    void dispatchComponentHotkey(ActivationSender sender) override {
        calls.push_back({"dispatchComponentHotkey", sender, 0});
        if (onDispatchComponentHotkey) onDispatchComponentHotkey(sender);
    }
    std::vector<Call> calls;
    std::function<void(std::int32_t)> onDispatchDefaultHotkey;
    std::function<void(ActivationSender)> onDispatchComponentHotkey;
};

class HotkeyFixture {
protected:
    // A combination as the user presses it.
    sim::SimHotkeys::PressOutcome press(KeyCombination code) {
        return machine.hotkeys.press(hotkeyModifiersOf(code), virtualKeyOf(code));
    }
    bool programHolds(KeyCombination code) const {
        return machine.hotkeys.programHolds(hotkeyModifiersOf(code), virtualKeyOf(code));
    }
    void holdElsewhere(KeyCombination code) {
        machine.hotkeys.holdInOtherProgram(hotkeyModifiersOf(code), virtualKeyOf(code));
    }
    void releaseElsewhere(KeyCombination code) {
        machine.hotkeys.releaseInOtherProgram(hotkeyModifiersOf(code), virtualKeyOf(code));
    }

    sim::SimMachine machine;
    std::vector<std::exception_ptr> errors;
    HotkeyRouter router{machine.hotkeys, [this](std::exception_ptr error) { errors.push_back(error); }};
    HotkeyIdentifiers identifiers;
    HotkeyText text{machine.hotkeys, machine.text};
    RecordingDispatchers dispatchers;
};

}  // namespace umbrix::hotkeys
