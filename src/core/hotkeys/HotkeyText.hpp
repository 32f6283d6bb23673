#pragma once
// The text form of a KeyCombination: "Shift+", "Ctrl+", "Alt+" in this order, then the key's name
// from the program's table or, for other keys, from the keyboard layout.
#include <string>
#include <string_view>

#include "hotkeys/KeyCombination.hpp"
#include "platform/HotkeyPort.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::hotkeys {

class HotkeyText {
public:
    HotkeyText(platform::HotkeyPort& keys, platform::TextPort& text) : keys_(keys), text_(text) {}

    // Empty, modifiers included, when the key has no name; so is code 0.
    std::string formatHotkeyText(KeyCombination code) const;

    // Leading "Shift+", "Ctrl+" or "^", "Alt+" in any order and letter case, then a key name
    // in any letter case: the first virtual key from 0x08 up whose name matches. 0 when
    // nothing is left after the modifiers or no key matches.
    KeyCombination parseHotkeyText(std::string_view text) const;

    // The key's name without modifiers; empty when it has none.
    std::string keyName(std::uint8_t virtualKey) const;

private:
    platform::HotkeyPort& keys_;
    platform::TextPort& text_;
};

}  // namespace umbrix::hotkeys
