#include "views/AboutView.hpp"

#include "views/AboutDialogIds.h"
#include "win32/ScreenPixels.hpp"

namespace umbrix::win32 {

namespace {
// The window's design, in pixels at 96 dots per inch.
constexpr int kClientWidth = 357;
constexpr int kClientHeight = 210;
constexpr int kProductTop = 28;
constexpr int kProductHeight = 34;
constexpr int kProductFontHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonBottomMargin = 14;
}  // namespace

AboutView::AboutView(ui::AboutWindow& about, ErrorHandler onError)
    : ModalDialogView(about, IDD_ABOUT, std::move(onError)), about_(about) {}

AboutView::~AboutView() {
    if (productFont_) DeleteObject(productFont_);
}

int AboutView::scaled(int pixels) const { return scaledPixels(dialog_, pixels); }

void AboutView::onInit() {
    setText(IDC_ABOUT_PRODUCT, about_.ProductName);
    productFont_ = CreateFontW(-scaled(kProductFontHeight), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               L"Trebuchet MS");
    if (productFont_)
        SendDlgItemMessageW(dialog_, IDC_ABOUT_PRODUCT, WM_SETFONT, reinterpret_cast<WPARAM>(productFont_), FALSE);
    layOut();
    SetFocus(GetDlgItem(dialog_, IDCANCEL));
}

// Dialog units follow the font; the window's design is in pixels, so the view places it.
void AboutView::layOut() {
    const int width = scaled(kClientWidth);
    const int height = scaled(kClientHeight);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)));
    centreOnScreen(dialog_, frame.right - frame.left, frame.bottom - frame.top);

    MoveWindow(GetDlgItem(dialog_, IDC_ABOUT_PRODUCT), 0, scaled(kProductTop), width, scaled(kProductHeight), FALSE);
    const int buttonWidth = scaled(kButtonWidth);
    const int buttonHeight = scaled(kButtonHeight);
    MoveWindow(GetDlgItem(dialog_, IDCANCEL), (width - buttonWidth) / 2,
               height - scaled(kButtonBottomMargin) - buttonHeight, buttonWidth, buttonHeight, FALSE);
}

bool AboutView::onCommand(int id) {
    if (id != IDCANCEL) return false;  // "Close", Escape
    about_.closeChosen();
    return true;
}

}  // namespace umbrix::win32
