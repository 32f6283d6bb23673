#pragma once
// What a custom hide or unhide component reports when its combination cannot be registered.
#include <string>

#include "hotkeys/HotkeyText.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::hotkeys {

std::string registrationFailureText(const HotkeyText& text, KeyCombination hotkey);

// The error box, task-modal, with one OK button. The code stays as it is, so the component
// gives up and stays inactive.
void showRegistrationFailure(platform::DialogPort& dialogs, const HotkeyText& text, KeyCombination hotkey,
                             const platform::ModalWindow* owner);

}  // namespace umbrix::hotkeys
