#pragma once
// PanicButtonWindow on screen: a borderless tool window above all others (no task bar button),
// layered so that its opacity follows the model, holding one push button that fills it with the
// model's label (drawn by the view, in the largest type up to the monitor's scale that fits). A click on the button and
// its context menu go to the model; the sizing border and the opacity come through the application port.
#include "ui/PanicButtonWindow.hpp"
#include "win32/ModelessWindowView.hpp"

namespace umbrix::win32 {

class PanicButtonView final : public ModelessWindowView {
public:
    explicit PanicButtonView(ui::PanicButtonWindow& panic);
    ~PanicButtonView() override;

    // Created hidden; the model places it.
    void create(HINSTANCE instance, HWND owner) override;

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept override;
    void onDpiChanged(int dpi) override;
    void fitFont();
    void fitButton();
    void showLabel();
    void drawButton(const DRAWITEMSTRUCT& item);

    ui::PanicButtonWindow& panic_;
    HWND button_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace umbrix::win32
