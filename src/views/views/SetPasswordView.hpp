#pragma once
#include "password/SetPasswordDialog.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

// SetPasswordDialog on screen.
class SetPasswordView final : public ModalDialogView {
public:
    SetPasswordView(password::SetPasswordDialog& dialog, ErrorHandler onError);

protected:
    void onInit() override;
    bool onCommand(int id) override;

private:
    void showFields();

    password::SetPasswordDialog& form_;
};

}  // namespace umbrix::win32
