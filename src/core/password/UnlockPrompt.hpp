#pragma once
// TPassword_f, the unlock prompt: asks for the unhide password before hidden windows come
// back. In normal mode it closes with OK only for the current password (and notes the
// unlock); in gate mode (Tag 99999) it checks nothing and hands the typed text to the gate.
#include <string>

#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

class TPassword_f final : public platform::ModalWindow {
public:
    static constexpr int kGateTag = 99999;

    TPassword_f(platform::DialogPort& dialogs, platform::CursorPort& cursor, UnhidePassword& password,
                PasswordStore& store)
        : dialogs_(dialogs), cursor_(cursor), password_(password), store_(store) {}
    ~TPassword_f() override;

    platform::ModalKind modalKind() const override { return platform::ModalKind::UnlockPrompt; }
    std::string caption() const override { return "Password required"; }
    bool alwaysOnTop() const override { return true; }

    // Controls.
    int Tag = 0;
    std::string Label1 = "Enter your password";
    std::string PassWord;  // masked with "*"; emptied each time the prompt is shown

    // Reactions.
    void Button1Click() { requestClose(platform::ModalResult::Ok); }  // "Ok"
    void CancelBtnClick() { requestClose(platform::ModalResult::Cancel); }
    // "Help", a right-click on the prompt or in PassWord, the caption's help button.
    void HelpBtnClick();

    bool gateMode() const { return Tag == kGateTag; }
    // Normal mode: the last showing closed with OK for the current password.
    bool acceptedPassword() const { return accepted_; }
    // Gate mode: the text typed before OK, handed over once; the field is wiped.
    std::string takePassWord();

protected:
    void FormShow() override;
    bool FormCloseQuery(platform::ModalResult result) override;
    void FormClose(platform::ModalResult result) override;

private:
    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    UnhidePassword& password_;
    PasswordStore& store_;
    bool accepted_ = false;
};

}  // namespace umbrix::password
