#pragma once
// SetPasswordDialog, "Set password": sets or changes the unhide password and its hint. Apply closes
// only when "Old password" is the current password (empty while none is set) and the new
// password, typed twice alike, is not empty; closing with Apply saves both.
#include <string>

#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

class SetPasswordDialog final : public platform::ModalWindow {
public:
    SetPasswordDialog(platform::DialogPort& dialogs, platform::CursorPort& cursor, UnhidePassword& password,
                      PasswordStore& store)
        : dialogs_(dialogs), cursor_(cursor), password_(password), store_(store) {}
    ~SetPasswordDialog() override;

    std::string caption() const override { return "Set password"; }

    // Controls, top to bottom; the input focus starts in Password.
    std::string oldPW;  // "Old password", masked
    std::string Password;  // "New password", masked
    std::string ConfirmPassword;  // "Confirm password", masked
    std::string PWHint;  // "Hint"

    // Reactions.
    void apply() { requestClose(platform::ModalResult::Ok); }
    void cancel() { requestClose(platform::ModalResult::Cancel); }

protected:
    bool onCloseQuery(platform::ModalResult result) override;
    void onClosed(platform::ModalResult result) override;

private:
    void errorMessage(const char* text, const char* caption, bool taskModal);
    void wipeFields();

    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    UnhidePassword& password_;
    PasswordStore& store_;
};

}  // namespace umbrix::password
