#include "views/SetPasswordView.hpp"

#include "views/PasswordDialogIds.h"

namespace umbrix::win32 {

SetPasswordView::SetPasswordView(password::SetPasswordDialog& dialog, ErrorHandler onError)
    : ModalDialogView(dialog, IDD_SET_PASSWORD, std::move(onError)), form_(dialog) {}

void SetPasswordView::showFields() {
    setText(IDC_OLD_PASSWORD, form_.oldPW);
    setText(IDC_NEW_PASSWORD, form_.Password);
    setText(IDC_CONFIRM_PASSWORD, form_.ConfirmPassword);
    setText(IDC_PASSWORD_HINT, form_.PWHint);
}

void SetPasswordView::onInit() {
    for (int field : {IDC_OLD_PASSWORD, IDC_NEW_PASSWORD, IDC_CONFIRM_PASSWORD}) maskWithAsterisks(field);
    showFields();
    SetFocus(GetDlgItem(dialog_, IDC_NEW_PASSWORD));
}

bool SetPasswordView::onCommand(int id) {
    switch (id) {
        case IDOK:
            form_.oldPW = text(IDC_OLD_PASSWORD);
            form_.Password = text(IDC_NEW_PASSWORD);
            form_.ConfirmPassword = text(IDC_CONFIRM_PASSWORD);
            form_.PWHint = text(IDC_PASSWORD_HINT);
            form_.apply();
            if (!form_.isClosed()) showFields();  // the refused fields are emptied
            return true;
        case IDCANCEL: form_.cancel(); return true;
        default: return false;
    }
}

}  // namespace umbrix::win32
