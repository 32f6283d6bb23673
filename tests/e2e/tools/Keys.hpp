#pragma once
// Key presses injected with SendInput, the way Wine sees them even when no window has the focus.
#include <windows.h>

#include <string>
#include <vector>

namespace wintool {

// The virtual keys of a chord such as "ctrl+space", in order. False (with the reason) when a
// key name is unknown. Names: ctrl, shift, alt, win, a-z, 0-9, f1-f24, space, backspace,
// enter, escape, tab, delete, insert, home, end, pageup, pagedown, left, right, up, down.
bool chordKeys(const std::wstring& chord, std::vector<WORD>& keys, std::wstring& error);

// Presses a chord such as "ctrl+space" or "shift+alt+backspace": every key down in order, then
// up in reverse. False when a key name is unknown or the input was not taken.
bool pressChord(const std::wstring& chord, std::wstring& error);

}  // namespace wintool
