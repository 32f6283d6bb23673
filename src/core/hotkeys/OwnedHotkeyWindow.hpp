#pragma once
// A hotkey window of the program, destroyed with its owner.
#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

class OwnedHotkeyWindow {
public:
    explicit OwnedHotkeyWindow(platform::HotkeyPort& port) : port_(port), window_(port.createHotkeyWindow()) {}
    OwnedHotkeyWindow(const OwnedHotkeyWindow&) = delete;
    OwnedHotkeyWindow& operator=(const OwnedHotkeyWindow&) = delete;
    ~OwnedHotkeyWindow() { port_.destroyHotkeyWindow(window_); }

    platform::HotkeyWindow get() const { return window_; }

private:
    platform::HotkeyPort& port_;
    platform::HotkeyWindow window_;
};

}  // namespace umbrix::hotkeys
