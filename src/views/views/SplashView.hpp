#pragma once
// SplashWindow on screen: a borderless window in the middle of the screen with the program's
// icon, its name and version, and the status at the bottom left, under the hourglass.
#include <string>

#include "ui/SplashWindow.hpp"
#include "win32/ModelessWindowView.hpp"

namespace umbrix::win32 {

class SplashView final : public ModelessWindowView {
public:
    explicit SplashView(ui::SplashWindow& splash);

    void create(HINSTANCE instance, HWND owner) override;

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept override;
    void paint(HDC dc);

    HINSTANCE instance_ = nullptr;
    std::wstring title_;
    std::wstring status_;
};

}  // namespace umbrix::win32
