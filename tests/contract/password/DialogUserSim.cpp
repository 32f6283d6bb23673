#include <algorithm>

#include "DialogUser.hpp"
#include "password/SetPasswordDialog.hpp"
#include "password/UnlockPrompt.hpp"
#include "sim/SimDialogs.hpp"

namespace umbrix::contract {

namespace {

using password::SetPasswordDialog;
using password::UnlockPrompt;

class SimDialogUser final : public DialogUser {
public:
    explicit SimDialogUser(sim::SimDialogs& dialogs) : dialogs_(dialogs) {}

    void willFill(std::string caption, std::vector<std::pair<DialogField, std::string>> fields,
                  DialogButton button) override {
        ++pending_;
        dialogs_.userStep([this, caption, fields, button](platform::ModalWindow& window) {
            --pending_;
            if (window.caption() != caption) throw sim::SimScriptError("expected \"" + caption + "\" on top");
            if (window.alwaysOnTop()) onTop_.push_back(caption);
            if (auto* prompt = dynamic_cast<UnlockPrompt*>(&window)) {
                for (const auto& [field, text] : fields) {
                    if (field == DialogField::PromptPassword) prompt->typedPassword = text;
                }
                if (button == DialogButton::Ok) prompt->confirm();
                if (button == DialogButton::Cancel) prompt->cancel();
                if (button == DialogButton::Help) prompt->showHint();
            } else if (auto* dialog = dynamic_cast<SetPasswordDialog*>(&window)) {
                for (const auto& [field, text] : fields) {
                    if (field == DialogField::OldPassword) dialog->oldPW = text;
                    if (field == DialogField::NewPassword) dialog->Password = text;
                    if (field == DialogField::ConfirmPassword) dialog->ConfirmPassword = text;
                    if (field == DialogField::Hint) dialog->PWHint = text;
                }
                if (button == DialogButton::Ok) dialog->apply();
                if (button == DialogButton::Cancel) dialog->cancel();
            }
        });
    }

    void willAcknowledgeMessageBox() override { dialogs_.userAnswers(platform::MessageBoxResult::Ok); }
    void willChooseFile(std::string, std::optional<std::string> file) override {
        dialogs_.userChoosesFile(std::move(file));
    }

    std::vector<SeenMessageBox> seenMessageBoxes() const override {
        std::vector<SeenMessageBox> seen;
        for (const auto& box : dialogs_.messageBoxes)
            seen.push_back({box.request.text, box.request.caption, box.ownerCaption});
        return seen;
    }
    std::vector<std::string> seenFileDialogs() const override {
        std::vector<std::string> titles;
        for (const auto& request : dialogs_.fileDialogs) titles.push_back(request.title);
        return titles;
    }
    std::vector<std::string> sawOnTop() const override { return onTop_; }
    bool scriptDone() const override { return pending_ == 0 && dialogs_.scriptDone(); }

private:
    sim::SimDialogs& dialogs_;
    std::vector<std::string> onTop_;
    int pending_ = 0;
};

}  // namespace

std::unique_ptr<DialogUser> makeDialogUser(ContractEnvironment& env) {
    return std::make_unique<SimDialogUser>(dynamic_cast<sim::SimDialogs&>(env.platform().dialogs));
}

}  // namespace umbrix::contract
