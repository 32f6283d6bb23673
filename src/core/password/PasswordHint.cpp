#include "password/PasswordHint.hpp"

namespace umbrix::password {

void showPasswordHint(platform::DialogPort& dialogs, PasswordStore& store, const platform::ModalWindow* owner) {
    platform::MessageBoxRequest box;
    box.owner = owner;
    auto hint = store.readHint();
    if (!hint) {
        // The program's plain message, under its title.
        box.text = "Your password hint is not defined.";
        box.caption = "Umbrix";
    } else {
        box.text = "Your password hint is \"" + *hint + "\"";
        box.caption = "Velarium for Windows";
        box.icon = platform::MessageBoxIcon::Information;
    }
    dialogs.messageBox(box);
}

}  // namespace umbrix::password
