#pragma once
// The person in front of the screen during a dialog contract case: fills in the program's modal
// windows, presses their buttons and acknowledges message boxes, in the order scripted. Defined
// once per adapter: through the models' reactions on the sim, through the real controls of the
// real dialogs on Windows.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {

enum class DialogField { PromptPassword, OldPassword, NewPassword, ConfirmPassword, Hint };
enum class DialogButton { Ok, Cancel, Help };

struct SeenMessageBox {
    std::string text;
    std::string caption;
    std::string ownerCaption;  // empty without an owner
    friend bool operator==(const SeenMessageBox&, const SeenMessageBox&) = default;
};

class DialogUser {
public:
    virtual ~DialogUser() = default;
    // Once the window with this caption is on top: type into the fields, then press the button.
    virtual void willFill(std::string caption, std::vector<std::pair<DialogField, std::string>> fields,
                          DialogButton button) = 0;
    // Once a message box is on top: read it and press its OK button.
    virtual void willAcknowledgeMessageBox() = 0;
    // Once the file dialog with this title is on top: pick `file` (a full name) and open it, or
    // with nullopt cancel.
    virtual void willChooseFile(std::string title, std::optional<std::string> file) = 0;

    virtual std::vector<SeenMessageBox> seenMessageBoxes() const = 0;
    // The titles of the file dialogs the user saw.
    virtual std::vector<std::string> seenFileDialogs() const = 0;
    // Captions of the windows the user filled that stood above always-on-top windows.
    virtual std::vector<std::string> sawOnTop() const = 0;
    // Everything scripted was done, and nothing went wrong on the way.
    virtual bool scriptDone() const = 0;
};

std::unique_ptr<DialogUser> makeDialogUser(ContractEnvironment& env);

}  // namespace umbrix::contract
