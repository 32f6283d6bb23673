#pragma once
// The splash window's view: a borderless window in the middle of the screen with the program's
// icon, its name and version, and "Loading..." at the bottom left, under the hourglass.
#include <string>

#include "platform/ApplicationPort.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class SplashWindow final : public WindowBase {
public:
    void create(HINSTANCE instance, HWND owner, const platform::SplashContent& content);
    // Shows the window and paints it before returning.
    void showAndPaint();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;

private:
    void paint(HDC dc);

    HINSTANCE instance_ = nullptr;
    std::wstring title_;
    std::wstring status_;
};

}  // namespace umbrix::win32
