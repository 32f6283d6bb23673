#pragma once
// UnlockPrompt, the unlock prompt: asks for the unhide password before hidden windows come
// back. In normal mode it closes with OK only for the current password (and notes the
// unlock); in gate mode (Tag 99999) it checks nothing and hands the typed text to the gate.
#include <string>

#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

class UnlockPrompt final : public platform::ModalWindow {
public:
    static constexpr int kGateTag = 99999;

    UnlockPrompt(platform::DialogPort& dialogs, platform::CursorPort& cursor, UnhidePassword& password,
                 PasswordStore& store)
        : dialogs_(dialogs), cursor_(cursor), password_(password), store_(store) {}
    ~UnlockPrompt() override;

    std::string caption() const override { return "Password required"; }
    bool alwaysOnTop() const override { return true; }

    // Controls.
    int Tag = 0;
    std::string message = "Enter your password";
    std::string typedPassword;  // masked with "*"; emptied each time the prompt is shown

    // Reactions.
    void confirm() { requestClose(platform::ModalResult::Ok); }  // "Ok"
    void cancel() { requestClose(platform::ModalResult::Cancel); }
    // "Help", a right-click on the prompt or in typedPassword, the caption's help button.
    void showHint();

    bool gateMode() const { return Tag == kGateTag; }
    // Normal mode: the last showing closed with OK for the current password.
    bool acceptedPassword() const { return accepted_; }
    // Gate mode: the text typed before OK, handed over once; the field is wiped.
    std::string takeTypedPassword();

protected:
    void onShow() override;
    bool onCloseQuery(platform::ModalResult result) override;
    void onClosed(platform::ModalResult result) override;

private:
    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    UnhidePassword& password_;
    PasswordStore& store_;
    bool accepted_ = false;
};

}  // namespace umbrix::password
