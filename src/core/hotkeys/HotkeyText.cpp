#include "hotkeys/HotkeyText.hpp"

#include <optional>

#include "common/TextCompare.hpp"

namespace umbrix::hotkeys {

namespace {

// The program's own names; every other key is named by the keyboard layout.
std::optional<std::string> fixedKeyName(std::uint8_t key) {
    switch (key) {
        case 0x08: return "BkSp";
        case 0x09: return "Tab";
        case 0x0D: return "Enter";
        case 0x1B: return "Esc";
        case 0x20: return "Space";
        case 0x21: return "PgUp";
        case 0x22: return "PgDn";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "Left";
        case 0x26: return "Up";
        case 0x27: return "Right";
        case 0x28: return "Down";
        case 0x2D: return "Ins";
        case 0x2E: return "Del";
        default: break;
    }
    if ((key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A)) return std::string(1, static_cast<char>(key));
    if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + (key - 0x60)));  // keypad digits
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
    return std::nullopt;
}

// The modifier prefixes are plain ASCII: compared without the locale, so no Turkish dotted I
// can make "Shift+" unrecognisable.
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i], b = prefix[i];
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

}  // namespace

std::string HotkeyText::keyName(std::uint8_t virtualKey) const {
    if (virtualKey == 0) return {};  // no key has virtual key 0, and no scan code maps to it
    if (auto name = fixedKeyName(virtualKey)) return *name;
    return keys_.keyNameText(virtualKey);
}

std::string HotkeyText::formatHotkeyText(KeyCombination code) const {
    std::string name = keyName(virtualKeyOf(code));
    if (name.empty()) return {};
    std::string text;
    if (code & kShiftBit) text += "Shift+";
    if (code & kCtrlBit) text += "Ctrl+";
    if (code & kAltBit) text += "Alt+";
    return text + name;
}

KeyCombination HotkeyText::parseHotkeyText(std::string_view text) const {
    KeyCombination modifiers = 0;
    for (;;) {
        if (startsWithIgnoringCase(text, "Shift+")) {
            modifiers |= kShiftBit;
            text.remove_prefix(6);
        } else if (startsWithIgnoringCase(text, "Ctrl+")) {
            modifiers |= kCtrlBit;
            text.remove_prefix(5);
        } else if (startsWithIgnoringCase(text, "^")) {
            modifiers |= kCtrlBit;
            text.remove_prefix(1);
        } else if (startsWithIgnoringCase(text, "Alt+")) {
            modifiers |= kAltBit;
            text.remove_prefix(4);
        } else {
            break;
        }
    }
    if (text.empty()) return 0;
    for (int key = 0x08; key <= 0xFF; ++key) {
        std::string name = keyName(static_cast<std::uint8_t>(key));
        if (!name.empty() && sameText(text_, text, name)) return static_cast<KeyCombination>(modifiers | key);
    }
    return 0;
}

}  // namespace umbrix::hotkeys
