#include "password/UnlockPrompt.hpp"

#include "password/PasswordHint.hpp"
#include "password/Secrets.hpp"
#include "platform/WaitCursorScope.hpp"

namespace umbrix::password {

using platform::ModalResult;

UnlockPrompt::~UnlockPrompt() { wipe(typedPassword); }

void UnlockPrompt::onShow() {
    wipe(typedPassword);
    accepted_ = false;
}

bool UnlockPrompt::onCloseQuery(ModalResult result) {
    if (gateMode() || result != ModalResult::Ok) return true;
    bool matches = false;
    {
        platform::WaitCursorScope wait(cursor_);
        matches = password_.verify(typedPassword);
    }
    if (matches) {
        password_.noteUnlocked();
        accepted_ = true;
        return true;
    }
    platform::MessageBoxRequest box;
    box.text = "The password you have entered is incorrect. Please try again.";
    box.caption = "Umbrix";
    box.icon = platform::MessageBoxIcon::Error;
    box.owner = this;
    dialogs_.messageBox(box);
    wipe(typedPassword);
    return false;
}

void UnlockPrompt::onClosed(ModalResult result) {
    // The text stays only for the gate to take.
    if (!(gateMode() && result == ModalResult::Ok)) wipe(typedPassword);
}

void UnlockPrompt::showHint() { showPasswordHint(dialogs_, store_, this); }

std::string UnlockPrompt::takeTypedPassword() {
    std::string typed = std::move(typedPassword);
    wipe(typedPassword);
    return typed;
}

}  // namespace umbrix::password
