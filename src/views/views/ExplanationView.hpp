#pragma once
// ExplanationWindow on screen: a bare pale yellow pop-up that draws the model's headings and
// explanations and hands clicks and keys to the model (the loss of the focus and a close request
// reach it through the modeless view).
#include "ui/ExplanationWindow.hpp"
#include "win32/ModelessWindowView.hpp"

namespace umbrix::win32 {

class ExplanationView final : public ModelessWindowView {
public:
    explicit ExplanationView(ui::ExplanationWindow& explanation);
    ~ExplanationView() override;

    // Created hidden, 380 by 214 pixels, centred on the screen.
    void create(HINSTANCE instance, HWND owner) override;

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept override;
    void onDpiChanged(int dpi) override;
    void paint();
    void createFonts();
    void deleteFonts();

    ui::ExplanationWindow& explanation_;
    HBRUSH background_ = nullptr;
    HFONT headingFont_ = nullptr;
    HFONT textFont_ = nullptr;
};

}  // namespace umbrix::win32
