#include "views/ScrollingPage.hpp"

#include <algorithm>

namespace umbrix::win32 {

namespace {
constexpr wchar_t kPageClass[] = L"UmbrixPageArea";
// One press of a scroll bar's arrow, and one notch of the wheel, at 96 dots per inch.
constexpr int kLinePixels = 20;
}  // namespace

void ScrollingPage::create(HINSTANCE instance, HWND parent) {
    // WS_EX_CONTROLPARENT: Tab and the access keys go through the page's controls as if they
    // were the window's own. Not WS_CLIPCHILDREN: a group box draws no background of its own,
    // and the area's must show through it, not what another page left there.
    WindowBase::create(instance, kPageClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, L"", parent, "page area");
}

int ScrollingPage::visibleHeight() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return client.bottom;
}

bool ScrollingPage::setContentHeight(int contentHeight) {
    contentHeight_ = contentHeight;
    const int visible = visibleHeight();
    const bool needsBar = contentHeight > visible;
    const int offset = std::clamp(offset_, 0, std::max(0, contentHeight - visible));
    const bool changed = needsBar != barShown_ || offset != offset_;
    if (needsBar != barShown_) {
        barShown_ = needsBar;
        ShowScrollBar(hwnd(), SB_VERT, needsBar);
    }
    offset_ = offset;
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    std::max(contentHeight - 1, 0),
                    static_cast<UINT>(std::max(visible, 0)),
                    offset_,
                    0};
    if (barShown_) SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
    return changed;
}

bool ScrollingPage::scrollIntoView(HWND control) {
    if (!barShown_ || GetParent(control) != hwnd()) return false;
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
    const int visible = visibleHeight();
    int offset = offset_;
    if (bounds.top < 0)
        offset += bounds.top;
    else if (bounds.bottom > visible)
        offset += std::min(bounds.bottom - visible, bounds.top);
    offset = std::clamp(offset, 0, std::max(0, contentHeight_ - visible));
    if (offset == offset_) return false;
    scrollTo(offset);
    return true;
}

void ScrollingPage::scrollTo(int offset) {
    offset = std::clamp(offset, 0, std::max(0, contentHeight_ - visibleHeight()));
    if (offset == offset_) return;
    offset_ = offset;
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, offset_, 0};
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
    if (scrolled_) scrolled_();
}

LRESULT ScrollingPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const int line = MulDiv(kLinePixels, static_cast<int>(GetDpiForWindow(hwnd())), 96);
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CONTEXTMENU: return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
        case WM_HSCROLL:
            // A trackbar's: the page itself never scrolls sideways.
            return lParam ? SendMessageW(GetParent(hwnd()), message, wParam, lParam) : 0;
        case WM_VSCROLL: {
            if (lParam) return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
            SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
            GetScrollInfo(hwnd(), SB_VERT, &info);
            int offset = offset_;
            switch (LOWORD(wParam)) {
                case SB_LINEUP: offset -= line; break;
                case SB_LINEDOWN: offset += line; break;
                case SB_PAGEUP: offset -= static_cast<int>(info.nPage); break;
                case SB_PAGEDOWN: offset += static_cast<int>(info.nPage); break;
                case SB_TOP: offset = 0; break;
                case SB_BOTTOM: offset = contentHeight_; break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: offset = info.nTrackPos; break;
                default: return 0;
            }
            scrollTo(offset);
            return 0;
        }
        case WM_MOUSEWHEEL:
            if (!barShown_) return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
            scrollTo(offset_ - MulDiv(GET_WHEEL_DELTA_WPARAM(wParam), 3 * line, WHEEL_DELTA));
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd(), &client);
            // The system's colours, so that a high-contrast scheme shows as the user chose it.
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        default: return WindowBase::handleMessage(message, wParam, lParam);
    }
}

}  // namespace umbrix::win32
