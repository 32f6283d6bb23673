#pragma once
// The password hint, shown by the unlock prompt's "Help" button, a right-click on the prompt or
// in its field, and the help button of its caption (showHint).
#include "password/PasswordStore.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

void showPasswordHint(platform::DialogPort& dialogs, PasswordStore& store, const platform::ModalWindow* owner);

}  // namespace umbrix::password
