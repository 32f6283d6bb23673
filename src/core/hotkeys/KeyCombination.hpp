#pragma once
// KeyCombination: a hotkey as one 16-bit code. Bits 0 to 7 hold the virtual key; 0x2000 is Shift,
// 0x4000 Ctrl, 0x8000 Alt; the other bits are 0. 0 names no key.
#include <cstdint>
#include <string_view>

#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

using KeyCombination = std::uint16_t;

inline constexpr KeyCombination kShiftBit = 0x2000;
inline constexpr KeyCombination kCtrlBit = 0x4000;
inline constexpr KeyCombination kAltBit = 0x8000;

// The hotkeys the program starts with.
inline constexpr KeyCombination kCustomHideInitial = 0x4048;  // Ctrl+H
inline constexpr KeyCombination kCustomUnhideInitial = 0x4055;  // Ctrl+U
inline constexpr KeyCombination kExitStealthHotkey = 0xA008;  // Shift+Alt+Backspace

// The default set, and how the main window and the settings file write it. These texts are
// not the text form of a code ("CTRL+BACKSPACE" does not even parse back).
inline constexpr std::uint32_t kDefaultHideVirtualKey = 0x20;  // VK_SPACE
inline constexpr std::uint32_t kDefaultUnhideVirtualKey = 0x08;  // VK_BACK

constexpr std::uint8_t virtualKeyOf(KeyCombination code) { return static_cast<std::uint8_t>(code & 0xFF); }

// The RegisterHotKey modifiers of a code; MOD_WIN is never used.
constexpr std::uint32_t hotkeyModifiersOf(KeyCombination code) {
    std::uint32_t modifiers = 0;
    if (code & kShiftBit) modifiers |= platform::hotkey_modifiers::kShift;
    if (code & kCtrlBit) modifiers |= platform::hotkey_modifiers::kControl;
    if (code & kAltBit) modifiers |= platform::hotkey_modifiers::kAlt;
    return modifiers;
}

}  // namespace umbrix::hotkeys
