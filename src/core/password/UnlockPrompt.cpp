#include "password/UnlockPrompt.hpp"

#include "password/PasswordHint.hpp"
#include "password/Secrets.hpp"
#include "platform/WaitCursorScope.hpp"

namespace umbrix::password {

using platform::ModalResult;

TPassword_f::~TPassword_f() { wipe(PassWord); }

void TPassword_f::FormShow() {
    wipe(PassWord);
    accepted_ = false;
}

bool TPassword_f::FormCloseQuery(ModalResult result) {
    if (gateMode() || result != ModalResult::Ok) return true;
    bool matches = false;
    {
        platform::WaitCursorScope wait(cursor_);
        matches = password_.verify(PassWord);
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
    wipe(PassWord);
    return false;
}

void TPassword_f::FormClose(ModalResult result) {
    // The text stays only for the gate to take.
    if (!(gateMode() && result == ModalResult::Ok)) wipe(PassWord);
}

void TPassword_f::HelpBtnClick() { showPasswordHint(dialogs_, store_, this); }

std::string TPassword_f::takePassWord() {
    std::string typed = std::move(PassWord);
    wipe(PassWord);
    return typed;
}

}  // namespace umbrix::password
