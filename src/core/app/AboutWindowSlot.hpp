#pragma once
// The about window of the controller: created each time the user asks for it, shown
// modally and freed when it closes. While it is shown the window engine sees it, so that the
// preparation of every hide or close action closes it.
#include <memory>
#include <vector>

#include "app/ProgramEngineLinks.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"
#include "ui/AboutWindow.hpp"

namespace umbrix::app {

class AboutWindowSlot {
public:
    AboutWindowSlot(platform::DialogPort& dialogs, platform::CursorPort& cursor, ProgramEngineLinks& links)
        : dialogs_(dialogs), cursor_(cursor), links_(links) {}
    AboutWindowSlot(const AboutWindowSlot&) = delete;
    AboutWindowSlot& operator=(const AboutWindowSlot&) = delete;
    ~AboutWindowSlot();

    // "&About": an about window left from an earlier call goes, a new one is created under the
    // wait cursor and shown modally, and freed once it has closed.
    void showAboutWindow();

    // The about window, or nullptr when none exists.
    ui::AboutWindow* shownWindow() const { return about_.get(); }

private:
    void release(const ui::AboutWindow* window);

    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    ProgramEngineLinks& links_;
    std::unique_ptr<ui::AboutWindow> about_;
    // Replaced while still on screen (the tray menu answers during the modal loop): closed at
    // once, freed when its own modal display has returned.
    std::vector<std::unique_ptr<ui::AboutWindow>> replaced_;
};

}  // namespace umbrix::app
