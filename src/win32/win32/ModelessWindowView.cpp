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
    SetWindowPos(hwnd(), nullptr, scaled(bounds.x), scaled(bounds.y), scaled(bounds.width), scaled(bounds.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModelessWindowView::close() {
    beforeClose();
    closing_ = true;
    destroy();
}

platform::WindowBounds ModelessWindowView::unscaledBounds() const {
    RECT rect{};
    GetWindowRect(hwnd(), &rect);
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
        case WM_EXITSIZEMOVE: model_.onMovedOrSized(unscaledBounds()); return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
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
