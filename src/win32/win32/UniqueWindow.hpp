#pragma once
// Owns an HWND and destroys it once, unless Windows has destroyed it first (release()).
#include <windows.h>

#include <utility>

namespace umbrix::win32 {

class UniqueWindow {
public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) : window_(window) {}
    UniqueWindow(UniqueWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
        }
        return *this;
    }
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;
    ~UniqueWindow() { reset(); }

    HWND get() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }
    // The window is gone already (WM_NCDESTROY): forget it without destroying it again.
    void release() { window_ = nullptr; }
    void reset() {
        // DestroyWindow sends WM_NCDESTROY, which releases the handle through the window base.
        if (HWND window = std::exchange(window_, nullptr)) DestroyWindow(window);
    }

private:
    HWND window_ = nullptr;
};

}  // namespace umbrix::win32
