#pragma once
// InputBox: a small modal box that asks for one line of text, with a caption, a prompt above the
// field, the field holding a preset text, "OK" and "Cancel".
#include <string>
#include <utility>

#include "platform/DialogPort.hpp"
#include "platform/ModalWindow.hpp"

namespace umbrix::ui {

class InputBox final : public platform::ModalWindow {
public:
    InputBox(std::string caption, std::string prompt, std::string text)
        : caption_(std::move(caption)), prompt_(std::move(prompt)), text_(std::move(text)) {}

    std::string caption() const override { return caption_; }
    const std::string& prompt() const { return prompt_; }
    // The field: the preset until the user types.
    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

    void okChosen() { requestClose(platform::ModalResult::Ok); }
    void cancelChosen() { close(); }

private:
    std::string caption_;
    std::string prompt_;
    std::string text_;
};

// Asks modally: the field's text after "OK"; the preset after "Cancel" or the close box, as the
// classic input box answers.
inline std::string askForText(platform::DialogPort& dialogs, std::string caption, std::string prompt,
                              const std::string& preset) {
    InputBox box(std::move(caption), std::move(prompt), preset);
    return dialogs.showModal(box) == platform::ModalResult::Ok ? box.text() : preset;
}

}  // namespace umbrix::ui
