#pragma once
// The view of the option explanation window: a bare pale yellow pop-up that draws the headings
// and explanations it was given and hands clicks, keys and the loss of the focus to the program.
#include <string>
#include <vector>

#include "platform/ExplanationWindowEvents.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class ExplanationWindowView final : public WindowBase {
public:
    ExplanationWindowView(std::vector<platform::ExplanationEntry> entries, platform::ExplanationWindowEvents& events);
    ~ExplanationWindowView() override;

    // Created hidden, 380 by 214 pixels, centred on the screen.
    void create(HINSTANCE instance, HWND owner);
    void show(bool visible);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;
    void paint();
    int scaled(int pixels) const;
    void createFonts();

    std::vector<platform::ExplanationEntry> entries_;
    platform::ExplanationWindowEvents& events_;
    HBRUSH background_ = nullptr;
    HFONT headingFont_ = nullptr;
    HFONT textFont_ = nullptr;
};

}  // namespace umbrix::win32
