#pragma once
// The hotkey machinery of one program against the simulated session.
#include <exception>
#include <vector>

#include "hotkeys/ApplicationHotKey.hpp"
#include "hotkeys/HotKeyRouter.hpp"
#include "hotkeys/HotKeyText.hpp"
#include "hotkeys/OwnedHotkeyWindow.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::hotkeys {

// Records every dispatch, in order.
class RecordingDispatchers : public DefaultHotKeyDispatcher, public HotKeyComponentDispatcher {
public:
    struct Call {
        const char* dispatcher;
        ActivationSender sender;
        std::int32_t messageSent;
        friend bool operator==(const Call&, const Call&) = default;
    };
    void GetHotKeys(ActivationSender sender, std::int32_t messageSent) override {
        calls.push_back({"GetHotKeys", sender, messageSent});
        if (onGetHotKeys) onGetHotKeys(messageSent);
    }
    void DoHotKey(ActivationSender sender) override {
        calls.push_back({"DoHotKey", sender, 0});
        if (onDoHotKey) onDoHotKey(sender);
    }
    std::vector<Call> calls;
    std::function<void(std::int32_t)> onGetHotKeys;
    std::function<void(ActivationSender)> onDoHotKey;
};

class HotKeyFixture {
protected:
    // A combination as the user presses it.
    sim::SimHotkeys::PressOutcome press(TShortCut code) {
        return machine.hotkeys.press(hotKeyModifiersOf(code), virtualKeyOf(code));
    }
    bool programHolds(TShortCut code) const {
        return machine.hotkeys.programHolds(hotKeyModifiersOf(code), virtualKeyOf(code));
    }
    void holdElsewhere(TShortCut code) {
        machine.hotkeys.holdInOtherProgram(hotKeyModifiersOf(code), virtualKeyOf(code));
    }
    void releaseElsewhere(TShortCut code) {
        machine.hotkeys.releaseInOtherProgram(hotKeyModifiersOf(code), virtualKeyOf(code));
    }

    sim::SimMachine machine;
    std::vector<std::exception_ptr> errors;
    HotKeyRouter router{machine.hotkeys, [this](std::exception_ptr error) { errors.push_back(error); }};
    HotKeyIdentifiers identifiers;
    HotKeyText text{machine.hotkeys, machine.text};
    RecordingDispatchers dispatchers;
};

}  // namespace umbrix::hotkeys
