#pragma once
#include "views/ModalDialogView.hpp"
#include "ui/AboutWindow.hpp"

namespace umbrix::win32 {

// AboutWindow on screen: a fixed dialog frame centred on the screen, the product name in 21-pixel
// bold Trebuchet MS near the top and "Close" at the bottom centre.
class AboutView final : public ModalDialogView {
public:
    AboutView(ui::AboutWindow& about, ErrorHandler onError);
    ~AboutView() override;

protected:
    void onInit() override;
    bool onCommand(int id) override;

private:
    int scaled(int pixels) const;
    void layOut();

    ui::AboutWindow& about_;
    HFONT productFont_ = nullptr;
};

}  // namespace umbrix::win32
