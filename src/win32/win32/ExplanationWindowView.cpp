#include "win32/ExplanationWindowView.hpp"

#include "win32/ScreenPixels.hpp"
#include "win32/Utf16.hpp"
#include "win32/WindowClasses.hpp"

namespace umbrix::win32 {

namespace {
// The window's design, in pixels at 96 dots per inch.
constexpr int kWidth = 380;
constexpr int kHeight = 214;
constexpr int kMargin = 8;
constexpr int kHeadingWidth = 154;
constexpr int kGap = 8;
constexpr int kHeadingFontHeight = 12;
constexpr int kTextFontHeight = 12;
constexpr COLORREF kPaleYellow = RGB(255, 255, 238);
constexpr COLORREF kHeadingBlue = RGB(0, 0, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

HFONT font(int height, int weight, const wchar_t* face) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}
}  // namespace

ExplanationWindowView::ExplanationWindowView(std::vector<platform::ExplanationEntry> entries,
                                             platform::ExplanationWindowEvents& events)
    : entries_(std::move(entries)), events_(events), background_(CreateSolidBrush(kPaleYellow)) {}

ExplanationWindowView::~ExplanationWindowView() {
    destroy();  // the window goes before the brush and fonts it draws with
    if (background_) DeleteObject(background_);
    if (headingFont_) DeleteObject(headingFont_);
    if (textFont_) DeleteObject(textFont_);
}

int ExplanationWindowView::scaled(int pixels) const { return scaledPixels(hwnd(), pixels); }

void ExplanationWindowView::createFonts() {
    headingFont_ = font(scaled(kHeadingFontHeight), FW_BOLD, L"Arial Narrow");
    textFont_ = font(scaled(kTextFontHeight), FW_NORMAL, L"Arial");
}

void ExplanationWindowView::create(HINSTANCE instance, HWND owner) {
    // WS_POPUP alone: no caption, no border, no system menu. A tool window, like every window
    // of the program, so that it never has a task bar button or a place in Alt+Tab.
    WindowBase::create(instance, kExplanationWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, L"", owner, "explanation window");
    createFonts();
    centreOnScreen(hwnd(), scaled(kWidth), scaled(kHeight));
}

void ExplanationWindowView::show(bool visible) {
    if (!exists()) return;
    if (!visible) {
        ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    ShowWindow(hwnd(), SW_SHOW);
    // It hides when it loses the focus, so it must have it first.
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
}

void ExplanationWindowView::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, background_);
    SetBkMode(dc, TRANSPARENT);

    const int rows = static_cast<int>(entries_.size());
    const int rowHeight = rows ? (client.bottom - 2 * scaled(kMargin)) / rows : 0;
    const int textLeft = scaled(kMargin + kHeadingWidth + kGap);
    for (int i = 0; i < rows; ++i) {
        const int top = scaled(kMargin) + i * rowHeight;
        RECT heading{scaled(kMargin), top, scaled(kMargin + kHeadingWidth), top + rowHeight};
        SelectObject(dc, headingFont_);
        SetTextColor(dc, kHeadingBlue);
        std::wstring headingText = widen(entries_[i].heading);
        DrawTextW(dc, headingText.c_str(), -1, &heading, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);

        RECT text{textLeft, top, client.right - scaled(kMargin), top + rowHeight};
        SelectObject(dc, textFont_);
        SetTextColor(dc, kTextColour);
        std::wstring explanation = widen(entries_[i].text);
        DrawTextW(dc, explanation.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(hwnd(), &ps);
}

LRESULT ExplanationWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_PAINT: paint(); return 0;
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_LBUTTONUP:
            events_.onClick();
            events_.onMouseUp();
            return 0;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: events_.onMouseUp(); return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: events_.onKeyDown(); return 0;
        case WM_KILLFOCUS: events_.onFocusLost(); return 0;
        default: return WindowBase::handleMessage(message, wParam, lParam);
    }
}

}  // namespace umbrix::win32
