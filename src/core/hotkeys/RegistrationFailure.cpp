#include "hotkeys/RegistrationFailure.hpp"

namespace umbrix::hotkeys {

std::string registrationFailureText(const HotkeyText& text, KeyCombination hotkey) {
    return "Failed to register selected hotkeys " + text.formatHotkeyText(hotkey) + " Select different combination";
}

void showRegistrationFailure(platform::DialogPort& dialogs, const HotkeyText& text, KeyCombination hotkey,
                             const platform::ModalWindow* owner) {
    platform::MessageBoxRequest box;
    box.text = registrationFailureText(text, hotkey);
    box.caption = "Error";
    box.icon = platform::MessageBoxIcon::Error;
    box.taskModal = true;
    box.owner = owner;
    dialogs.messageBox(box);
}

}  // namespace umbrix::hotkeys
