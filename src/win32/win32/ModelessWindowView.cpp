#include "win32/ModelessWindowView.hpp"

#include "win32/ScreenPixels.hpp"

namespace umbrix::win32 {

namespace {
int unscaled(int pixels, UINT dpi) { return MulDiv(pixels, 96, dpi ? static_cast<int>(dpi) : 96); }
}  // namespace

int ModelessWindowView::scaled(int pixels) const { return scaledPixels(hwnd(), pixels); }

void ModelessWindowView::show(platform::WindowShow how) {
    if (!exists()) return;
    if (how == platform::WindowShow::Activate) {
        ShowWindow(hwnd(), SW_SHOW);
        SetForegroundWindow(hwnd());
        SetFocus(hwnd());
    } else {
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    }
    // Painted now, so that it shows before whatever long step the caller takes next.
    UpdateWindow(hwnd());
}

void ModelessWindowView::hide() {
    if (exists()) ShowWindow(hwnd(), SW_HIDE);
}

void ModelessWindowView::place(const platform::WindowBounds& bounds) {
    if (!exists()) return;
    if (model_.keepsScreenPixels()) {
        SetWindowPos(hwnd(), nullptr, bounds.x, bounds.y, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    SetWindowPos(hwnd(), nullptr, scaled(bounds.x), scaled(bounds.y), scaled(bounds.width), scaled(bounds.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModelessWindowView::setOpacity(std::uint8_t alpha) {
    if (!exists()) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd(), 0, alpha, LWA_ALPHA);
}

void ModelessWindowView::setSizingBorder(bool shown) {
    if (!exists()) return;
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    constexpr LONG_PTR kBorder = WS_THICKFRAME | WS_CAPTION;
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, shown ? (style | kBorder) : (style & ~kBorder));
    // Same outer rectangle: the border takes its room from the client area.
    SetWindowPos(hwnd(), nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ModelessWindowView::close() {
    beforeClose();
    closing_ = true;
    destroy();
}

platform::WindowBounds ModelessWindowView::modelBounds() const {
    RECT rect{};
    GetWindowRect(hwnd(), &rect);
    if (model_.keepsScreenPixels()) return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    const UINT dpi = GetDpiForWindow(hwnd());
    return {unscaled(rect.left, dpi), unscaled(rect.top, dpi), unscaled(rect.right - rect.left, dpi),
            unscaled(rect.bottom - rect.top, dpi)};
}

LRESULT ModelessWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    ++handling_;
    LRESULT result = 0;
    // No error may cross the window procedure: it goes to the program's handler, the reaction
    // ends where it failed, and the window takes its next message as before.
    try {
        result = dispatch(message, wParam, lParam);
    } catch (...) {
        if (!onError_) std::terminate();  // nobody to take it: the program ends
        onError_(std::current_exception());
    }
    --handling_;
    return result;
}

LRESULT ModelessWindowView::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (closing_) return WindowBase::handleMessage(message, wParam, lParam);
    if (LRESULT result = 0; onMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CLOSE:
            // Never DefWindowProc's DestroyWindow: whether the window goes is the model's call.
            model_.onCloseRequest();
            return 0;
        case WM_KILLFOCUS: model_.onFocusLost(); return 0;
        case WM_EXITSIZEMOVE: model_.onMovedOrSized(modelBounds()); return 0;
        case WM_DPICHANGED: {
            // A window that keeps its place in screen pixels stays where the user put it.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            if (!model_.keepsScreenPixels())
                SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                             suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            const int dpi = HIWORD(wParam);
            onDpiChanged(dpi);
            model_.onDpiChanged(dpi);
            return 0;
        }
        default: return WindowBase::handleMessage(message, wParam, lParam);
    }
}

}  // namespace umbrix::win32
