#include "views/ExplanationView.hpp"

#include "win32/ScreenPixels.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {
// The end-to-end tests find the window by its class.
constexpr wchar_t kExplanationWindowClass[] = L"UmbrixExplanation";
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

ExplanationView::ExplanationView(ui::ExplanationWindow& explanation)
    : ModelessWindowView(explanation), explanation_(explanation), background_(CreateSolidBrush(kPaleYellow)) {}

ExplanationView::~ExplanationView() {
    close();  // the window goes before the brush and fonts it draws with
    if (background_) DeleteObject(background_);
    deleteFonts();
}

void ExplanationView::createFonts() {
    headingFont_ = font(scaled(kHeadingFontHeight), FW_BOLD, L"Arial Narrow");
    textFont_ = font(scaled(kTextFontHeight), FW_NORMAL, L"Arial");
}

void ExplanationView::deleteFonts() {
    if (headingFont_) DeleteObject(headingFont_);
    if (textFont_) DeleteObject(textFont_);
    headingFont_ = textFont_ = nullptr;
}

void ExplanationView::onDpiChanged(int) {
    deleteFonts();
    createFonts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ExplanationView::create(HINSTANCE instance, HWND owner) {
    // WS_POPUP alone: no caption, no border, no system menu. A tool window, like every window
    // of the program, so that it never has a task bar button or a place in Alt+Tab.
    WindowBase::create(instance, kExplanationWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, L"", owner, "explanation window");
    createFonts();
    centreOnScreen(hwnd(), scaled(kWidth), scaled(kHeight));
}

void ExplanationView::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, background_);
    SetBkMode(dc, TRANSPARENT);

    const auto& entries = ui::ExplanationWindow::explanations();
    const int rows = static_cast<int>(entries.size());
    const int rowHeight = rows ? (client.bottom - 2 * scaled(kMargin)) / rows : 0;
    const int textLeft = scaled(kMargin + kHeadingWidth + kGap);
    for (int i = 0; i < rows; ++i) {
        const int top = scaled(kMargin) + i * rowHeight;
        RECT heading{scaled(kMargin), top, scaled(kMargin + kHeadingWidth), top + rowHeight};
        SelectObject(dc, headingFont_);
        SetTextColor(dc, kHeadingBlue);
        std::wstring headingText = widen(entries[i].heading);
        DrawTextW(dc, headingText.c_str(), -1, &heading, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);

        RECT text{textLeft, top, client.right - scaled(kMargin), top + rowHeight};
        SelectObject(dc, textFont_);
        SetTextColor(dc, kTextColour);
        std::wstring explanation = widen(entries[i].text);
        DrawTextW(dc, explanation.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(hwnd(), &ps);
}

bool ExplanationView::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) noexcept {
    result = 0;
    switch (message) {
        case WM_PAINT: paint(); return true;
        case WM_ERASEBKGND: result = 1; return true;  // painted whole in WM_PAINT
        case WM_LBUTTONUP:
            explanation_.onClick();
            explanation_.onMouseUp();
            return true;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: explanation_.onMouseUp(); return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: explanation_.onKeyDown(); return true;
        default: return false;
    }
}

}  // namespace umbrix::win32
