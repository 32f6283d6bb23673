#pragma once
#include "ui/InputBox.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

// InputBox on screen: the prompt above the field, the field with the model's text selected so
// that typing replaces it, "OK" (the default button) and "Cancel".
class InputBoxView final : public ModalDialogView {
public:
    InputBoxView(ui::InputBox& box, ErrorHandler onError);

protected:
    void onInit() override;
    bool onCommand(int id) override;

private:
    ui::InputBox& box_;
};

}  // namespace umbrix::win32
