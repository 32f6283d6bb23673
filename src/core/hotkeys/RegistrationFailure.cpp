#include "hotkeys/RegistrationFailure.hpp"

namespace umbrix::hotkeys {

std::string registrationFailureText(const HotKeyText& text, TShortCut hotKey) {
    return "Failed to register selected hotkeys " + text.FormatHotKeyText(hotKey) + " Select different combination";
}

void showRegistrationFailure(platform::DialogPort& dialogs, const HotKeyText& text, TShortCut hotKey,
                             const platform::ModalWindow* owner) {
    platform::MessageBoxRequest box;
    box.text = registrationFailureText(text, hotKey);
    box.caption = "Error";
    box.icon = platform::MessageBoxIcon::Error;
    box.taskModal = true;
    box.owner = owner;
    dialogs.messageBox(box);
}

}  // namespace umbrix::hotkeys
