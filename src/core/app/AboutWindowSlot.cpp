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

void AboutWindowSlot::About1Click() {
    if (about_) {
        if (about_->isShowing()) {
            about_->Close();
            replaced_.push_back(std::move(about_));
        } else {
            about_.reset();
        }
    }
    {
        platform::WaitCursorScope busy(cursor_);
        about_ = std::make_unique<ui::TAbout_f>();
    }
    ui::TAbout_f* shown = about_.get();
    links_.aboutWindow = shown;
    links_.aboutWindowShown = true;
    // Freed however its display ends, an error included.
    struct Release {
        AboutWindowSlot& slot;
        const ui::TAbout_f* window;
        ~Release() { slot.release(window); }
    } release{*this, shown};
    (void)dialogs_.showModal(*shown);
}

void AboutWindowSlot::release(const ui::TAbout_f* window) {
    if (links_.aboutWindow == window) {
        links_.aboutWindow = nullptr;
        links_.aboutWindowShown = false;
    }
    if (about_.get() == window) {
        about_.reset();
        return;
    }
    std::erase_if(replaced_, [window](const std::unique_ptr<ui::TAbout_f>& old) { return old.get() == window; });
}

}  // namespace umbrix::app
