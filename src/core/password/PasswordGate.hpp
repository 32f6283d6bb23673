#pragma once
// The main window's way to the set-password dialog ("Manage..." on the Options page): with a
// password set, the unlock prompt asks for it first, in gate mode.
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

class PasswordGate {
public:
    PasswordGate(platform::DialogPort& dialogs, platform::CursorPort& cursor, UnhidePassword& password,
                 PasswordStore& store, UnlockPromptSlot& prompts)
        : dialogs_(dialogs), cursor_(cursor), password_(password), store_(store), prompts_(prompts) {}

    // openSetPasswordDialog / PassBtnClick.
    void openSetPasswordDialog();
    // Creates the set-password dialog, shows it modally and frees it.
    void showSetPasswordDialog();

private:
    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    UnhidePassword& password_;
    PasswordStore& store_;
    UnlockPromptSlot& prompts_;
};

}  // namespace umbrix::password
