#include "password/SetPasswordDialog.hpp"

#include "password/Secrets.hpp"
#include "platform/WaitCursorScope.hpp"

namespace umbrix::password {

using platform::ModalResult;

SetPasswordDialog::~SetPasswordDialog() { wipeFields(); }

void SetPasswordDialog::wipeFields() {
    wipe(oldPW);
    wipe(Password);
    wipe(ConfirmPassword);
}

void SetPasswordDialog::errorMessage(const char* text, const char* caption, bool taskModal) {
    platform::MessageBoxRequest box;
    box.text = text;
    box.caption = caption;
    box.icon = platform::MessageBoxIcon::Error;
    box.taskModal = taskModal;
    box.owner = this;
    dialogs_.messageBox(box);
}

bool SetPasswordDialog::onCloseQuery(ModalResult result) {
    if (result != ModalResult::Ok) return true;
    bool oldMatches = false;
    {
        platform::WaitCursorScope wait(cursor_);
        oldMatches = password_.verify(oldPW);
    }
    if (!oldMatches) {
        errorMessage("Old password is incorrect, please try again.", "Error", true);
        wipe(oldPW);
        return false;
    }
    if (Password == ConfirmPassword && !Password.empty()) return true;
    errorMessage("Validation error. The passwords do not match.", " Error", false);
    wipe(Password);
    wipe(ConfirmPassword);
    return false;
}

void SetPasswordDialog::onClosed(ModalResult result) {
    if (result == ModalResult::Cancel) {
        wipeFields();
        return;
    }
    PasswordSave saved;
    {
        platform::WaitCursorScope wait(cursor_);
        saved = store_.writePassword(Password, PWHint);
    }
    wipeFields();
    if (saved.result != PasswordSaveResult::NotRecorded) password_.replace(saved.hash);
    platform::MessageBoxRequest box;
    box.caption = "Umbrix";
    box.owner = this;
    switch (saved.result) {
        case PasswordSaveResult::Saved: return;
        case PasswordSaveResult::NotRecorded:
            box.text = "An unknown error occurred recording your password. Please try again";
            break;
        case PasswordSaveResult::HintNotRecorded:
            // The password is changed; only its hint is missing, so say exactly that.
            box.text = "Your password has been changed, but an error occurred recording its hint. Please try again";
            box.icon = platform::MessageBoxIcon::Warning;
            break;
    }
    dialogs_.messageBox(box);
}

}  // namespace umbrix::password
