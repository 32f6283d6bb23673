#include "views/PanicButtonView.hpp"

#include <string>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {
// The end-to-end tests find the window by its class.
constexpr wchar_t kPanicButtonClass[] = L"UmbrixPanicButton";
constexpr int kButtonId = 100;
// The label's type, in pixels at 96 dots per inch; smaller, down to the least readable size,
// when the label would not fit the window otherwise.
constexpr int kFontHeight = 13;
constexpr int kSmallestFontHeight = 8;
// The room a push button's frame and its text's inset take at the sides, and above and below.
constexpr int kButtonMargin = 10;
constexpr int kButtonMarginY = 4;
// The label: centred, wrapped at words, "&" a character of it rather than an access key.
constexpr UINT kLabelFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

HFONT labelFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}
}  // namespace

PanicButtonView::PanicButtonView(ui::PanicButtonWindow& panic) : ModelessWindowView(panic), panic_(panic) {}

PanicButtonView::~PanicButtonView() {
    panic_.setChangeListener(nullptr);
    close();  // the window goes before the font it draws with
    if (font_) DeleteObject(font_);
}

void PanicButtonView::create(HINSTANCE instance, HWND owner) {
    // WS_POPUP alone: no caption and no border until the user asks to move or size it. Topmost,
    // a tool window (no task bar button, no place in Alt+Tab), layered for its opacity.
    WindowBase::create(instance, kPanicButtonClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED,
                       WS_POPUP | WS_CLIPCHILDREN, L"", owner, "panic button");
    // Fully opaque until the model sets its opacity: a layered window without attributes is
    // never drawn.
    SetLayeredWindowAttributes(hwnd(), 0, 255, LWA_ALPHA);
    button_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);
    showLabel();
    fitButton();
    panic_.setChangeListener([this] { showLabel(); });
}

// The type follows the monitor's scale, as large as the label fits the button at.
void PanicButtonView::fitFont() {
    if (!button_) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right - 2 * scaled(kButtonMargin), height = client.bottom - 2 * scaled(kButtonMarginY);
    const std::wstring label = widen(panic_.label());
    HFONT chosen = nullptr;
    HDC dc = GetDC(button_);
    for (int size = scaled(kFontHeight); size >= kSmallestFontHeight; --size) {
        if (chosen) DeleteObject(chosen);
        chosen = labelFont(size);
        HGDIOBJ previous = SelectObject(dc, chosen);
        RECT needed{0, 0, width, 0};
        DrawTextW(dc, label.c_str(), -1, &needed, DT_CALCRECT | kLabelFormat);
        SelectObject(dc, previous);
        if (needed.bottom <= height && needed.right <= width) break;
    }
    ReleaseDC(button_, dc);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    if (font_) DeleteObject(font_);
    font_ = chosen;
}

void PanicButtonView::onDpiChanged(int) {
    // The window keeps its place and size on the new monitor; the label's type follows its scale.
    fitFont();
}

void PanicButtonView::fitButton() {
    if (!button_) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    MoveWindow(button_, 0, 0, client.right, client.bottom, TRUE);
    fitFont();
}

void PanicButtonView::showLabel() {
    if (!button_) return;
    // The button's text for other programs (screen readers); the view draws it.
    SetWindowTextW(button_, widen(panic_.label()).c_str());
    fitFont();
    InvalidateRect(button_, nullptr, TRUE);
}

// Drawn by the view, so that the label wraps exactly as fitFont measured it.
void PanicButtonView::drawButton(const DRAWITEMSTRUCT& item) {
    RECT frame = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT text = item.rcItem;
    InflateRect(&text, -scaled(kButtonMargin), -scaled(kButtonMarginY));
    if (pushed) OffsetRect(&text, 1, 1);
    const std::wstring label = widen(panic_.label());
    HGDIOBJ previous = SelectObject(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    RECT needed = text;
    DrawTextW(item.hDC, label.c_str(), -1, &needed, DT_CALCRECT | kLabelFormat);
    const int spare = (text.bottom - text.top) - (needed.bottom - needed.top);
    if (spare > 0) text.top += spare / 2;
    DrawTextW(item.hDC, label.c_str(), -1, &text, kLabelFormat);
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -scaled(3), -scaled(3));
        DrawFocusRect(item.hDC, &focus);
    }
}

bool PanicButtonView::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
    result = 0;
    switch (message) {
        case WM_DRAWITEM:
            if (wParam != kButtonId) return false;
            drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_SIZE: fitButton(); return true;
        case WM_COMMAND:
            if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
                panic_.press();
                return true;
            }
            return false;
        case WM_CONTEXTMENU: panic_.openMenu(); return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                // Each time it becomes the active window: above the others, at the slider's opacity.
                SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                panic_.applyOpacity();
            }
            return false;
        default: return false;
    }
}

}  // namespace umbrix::win32
