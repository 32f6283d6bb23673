#pragma once
#include "password/SetPasswordDialog.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

// TPasswordDlg on screen.
class SetPasswordView final : public ModalDialogView {
public:
    SetPasswordView(password::TPasswordDlg& dialog, ErrorHandler onError);

protected:
    void onInit() override;
    bool onCommand(int id) override;

private:
    void showFields();

    password::TPasswordDlg& form_;
};

}  // namespace umbrix::win32
