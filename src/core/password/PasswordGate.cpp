#include "password/PasswordGate.hpp"

#include "password/Secrets.hpp"
#include "password/SetPasswordDialog.hpp"
#include "platform/WaitCursorScope.hpp"

namespace umbrix::password {

using platform::ModalResult;

void PasswordGate::showSetPasswordDialog() {
    SetPasswordDialog dialog(dialogs_, cursor_, password_, store_);
    dialogs_.showModal(dialog);
}

void PasswordGate::openSetPasswordDialog() {
    if (!password_.isSet()) {
        showSetPasswordDialog();
        return;
    }
    UnlockPrompt* prompt = nullptr;
    {
        platform::WaitCursorScope wait(cursor_);
        // An open prompt keeps the program modal to it; a second one is never made.
        prompt = prompts_.createForGate();
        if (!prompt) return;
        prompt->message = "Enter your password";
    }
    const ModalResult result = prompts_.show();
    if (result != ModalResult::Ok || prompts_.shownPrompt() != prompt) {
        prompts_.discard();
        return;
    }
    std::string typed = prompt->takeTypedPassword();
    prompts_.discard();
    bool matches = false;
    {
        platform::WaitCursorScope wait(cursor_);
        matches = password_.verify(typed);
    }
    wipe(typed);
    if (!matches) {
        platform::MessageBoxRequest box;
        box.text = "The password you have entered is incorrect. Please try again.";
        box.caption = "Shadewell";
        box.icon = platform::MessageBoxIcon::Error;
        box.taskModal = true;
        dialogs_.messageBox(box);
        return;
    }
    showSetPasswordDialog();
}

}  // namespace umbrix::password
