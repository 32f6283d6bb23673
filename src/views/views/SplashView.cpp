#include "views/SplashView.hpp"

#include "ResourceIds.h"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

// The end-to-end tests find the window by its class.
constexpr wchar_t kSplashWindowClass[] = L"UmbrixSplash";
constexpr int kClientWidth = 296;
constexpr int kClientHeight = 207;
constexpr int kIconSize = 64;

// A GDI font for as long as one paint lasts.
class PaintFont {
public:
    PaintFont(HDC dc, int pixelHeight, int weight)
        : dc_(dc),
          font_(CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Trebuchet MS")),
          previous_(font_ ? SelectObject(dc, font_) : nullptr) {}
    ~PaintFont() {
        if (previous_) SelectObject(dc_, previous_);
        if (font_) DeleteObject(font_);
    }
    PaintFont(const PaintFont&) = delete;
    PaintFont& operator=(const PaintFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

}  // namespace

SplashView::SplashView(ui::SplashWindow& splash)
    : ModelessWindowView(splash), title_(widen(splash.title())), status_(widen(splash.status())) {}

void SplashView::create(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    WindowBase::create(instance, kSplashWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, title_.c_str(), owner,
                       "splash window");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - kClientWidth) / 2;
    const int y = work.top + (work.bottom - work.top - kClientHeight) / 2;
    SetWindowPos(hwnd(), nullptr, x, y, kClientWidth, kClientHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SplashView::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) noexcept {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            paint(dc);
            EndPaint(hwnd(), &ps);
            result = 0;
            return true;
        }
        case WM_SETCURSOR:
            // The program is busy starting: the hourglass over the whole window.
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            result = TRUE;
            return true;
        default: return false;
    }
}

void SplashView::paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    HBRUSH background = CreateSolidBrush(RGB(24, 32, 48));
    FillRect(dc, &client, background);
    DeleteObject(background);
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

    if (HICON icon = static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(IDI_UMBRIX), IMAGE_ICON, kIconSize, kIconSize, LR_DEFAULTCOLOR))) {
        DrawIconEx(dc, (client.right - kIconSize) / 2, 36, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    {
        PaintFont font(dc, 24, FW_BOLD);
        RECT titleArea{0, 112, client.right, 148};
        DrawTextW(dc, title_.c_str(), -1, &titleArea, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
    {
        PaintFont font(dc, 13, FW_BOLD);
        RECT statusArea{12, client.bottom - 28, client.right, client.bottom - 8};
        DrawTextW(dc, status_.c_str(), -1, &statusArea, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    }
}

}  // namespace umbrix::win32
