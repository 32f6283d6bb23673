#include "ui/ExplanationWindow.hpp"

#include <stdexcept>

namespace umbrix::ui {

const std::vector<ExplanationEntry>& ExplanationWindow::explanations() {
    // Short enough for two lines beside each heading.
    static const std::vector<ExplanationEntry> entries{
        {"Empty Recycle Bin:", "Deletes the files in the Recycle Bin for good."},
        {"Clear Temporary\r\n Internet Files", "Removes the browser's cached pages and typed addresses."},
        {"Clear Recently\r\naccessed documents", "Empties the list of documents you opened recently."},
        {"Clear Internet History", "Removes the browser's record of the pages you have visited."},
        {"Show Windows \r\nShutdown Dialog", "Lets Ctrl+Alt+Del open the Windows shutdown screen."},
    };
    return entries;
}

void ExplanationWindow::onCreate() {
    if (created_) throw std::logic_error("the explanation window exists already");
    windows_.openWindow(*this);
    created_ = true;
}

void ExplanationWindow::show() {
    if (!created_ || visible_) return;
    windows_.showWindow(*this, platform::WindowShow::Activate);
    visible_ = true;
}

void ExplanationWindow::hide() {
    if (!visible_) return;
    // Marked hidden first: hiding the focused window takes its focus away, and that loss
    // arrives as a reaction while this one still runs.
    visible_ = false;
    windows_.hideWindow(*this);
    handFocusBack();
}

}  // namespace umbrix::ui
