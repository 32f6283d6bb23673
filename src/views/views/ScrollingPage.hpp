#pragma once
// The area of a window where its pages show: a child window that clips the page's controls to
// the space between the window's banner and its bottom bar, and scrolls vertically when the
// page is taller than that space (a small screen at a large scale). The controls of the pages
// are its children; what they tell their parent (clicks, notifications, colours, context
// menus) goes on to the window that owns the page area, as if they were its own.
#include <windows.h>

#include <functional>

#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class ScrollingPage final : public WindowBase {
public:
    // Created visible, as a child of `parent`, at no size yet.
    void create(HINSTANCE instance, HWND parent);

    // The page's content is `contentHeight` pixels high: the scroll bar shows when that is more
    // than the area's height, and the offset stays within what there is to scroll. True when the
    // scroll bar appeared or went, or the offset changed (the controls need placing again).
    bool setContentHeight(int contentHeight);
    // How far the page is scrolled down, in pixels.
    int offset() const { return offset_; }
    // Scrolls so that `control` (a child) shows whole where it can; true when the offset changed.
    bool scrollIntoView(HWND control);
    // Called after the user scrolled: the owner places the controls at the new offset.
    void setScrolledHandler(std::function<void()> handler) { scrolled_ = std::move(handler); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;
    void scrollTo(int offset);
    int visibleHeight() const;

    int contentHeight_ = 0;
    int offset_ = 0;
    bool barShown_ = false;
    std::function<void()> scrolled_;
};

}  // namespace umbrix::win32
