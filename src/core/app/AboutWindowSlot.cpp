#include "app/AboutWindowSlot.hpp"

#include <algorithm>

#include "platform/WaitCursorScope.hpp"

namespace umbrix::app {

AboutWindowSlot::~AboutWindowSlot() {
    if (links_.aboutWindow == about_.get()) {
        links_.aboutWindow = nullptr;
        links_.aboutWindowShown = false;
    }
}

void AboutWindowSlot::showAboutWindow() {
    if (about_) {
        if (about_->isShowing()) {
            about_->close();
            replaced_.push_back(std::move(about_));
        } else {
            about_.reset();
        }
    }
    {
        platform::WaitCursorScope busy(cursor_);
        about_ = std::make_unique<ui::AboutWindow>();
    }
    ui::AboutWindow* shown = about_.get();
    links_.aboutWindow = shown;
    links_.aboutWindowShown = true;
    // Freed however its display ends, an error included.
    struct Release {
        AboutWindowSlot& slot;
        const ui::AboutWindow* window;
        ~Release() { slot.release(window); }
    } release{*this, shown};
    (void)dialogs_.showModal(*shown);
}

void AboutWindowSlot::release(const ui::AboutWindow* window) {
    if (links_.aboutWindow == window) {
        links_.aboutWindow = nullptr;
        links_.aboutWindowShown = false;
    }
    if (about_.get() == window) {
        about_.reset();
        return;
    }
    std::erase_if(replaced_, [window](const std::unique_ptr<ui::AboutWindow>& old) { return old.get() == window; });
}

}  // namespace umbrix::app
