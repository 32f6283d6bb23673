#pragma once
// Key presses injected with SendInput, the way Wine sees them even when no window has the focus.
#include <string>

namespace wintool {

// Presses a chord such as "ctrl+space" or "shift+alt+backspace": every key down in order, then
// up in reverse. False when a key name is unknown or the input was not taken.
bool pressChord(const std::wstring& chord, std::wstring& error);

}  // namespace wintool
