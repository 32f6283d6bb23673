#pragma once
// TExpForm, the option explanation window: a bare pale yellow pop-up with a bold heading and a
// short explanation for each trace clean-up option. It is created once at start-up, hidden, and
// lives until the program ends. While shown, a click, a mouse button released over it, a key or
// the loss of the focus hides it; whenever it hides, the main window gets the focus back.
#include <vector>

#include "platform/ApplicationPort.hpp"
#include "platform/ExplanationWindow.hpp"

namespace umbrix::ui {

// The main window, as the explanation window hands the focus back to it.
class MainWindowFocus {
public:
    virtual ~MainWindowFocus() = default;
    // SetFocus on the main window.
    virtual void focusMainWindow() = 0;
};

class TExpForm final : public platform::ExplanationWindowEvents {
public:
    TExpForm(platform::ApplicationPort& windows, MainWindowFocus& mainWindow)
        : windows_(windows), mainWindow_(mainWindow) {}
    TExpForm(const TExpForm&) = delete;
    TExpForm& operator=(const TExpForm&) = delete;

    // The headings and explanations, top to bottom.
    static const std::vector<platform::ExplanationEntry>& Explanations();

    // Builds the hidden window.
    void FormCreate();

    void Show();
    void Hide();
    bool Visible() const { return visible_; }

    // Reactions: each hides the window.
    void FormClick() { Hide(); }
    void FormMouseUp() { Hide(); }
    void FormKeyDown() { Hide(); }
    void FormDeactivate() { Hide(); }

    // ExplanationWindowEvents: what the view reports.
    void onClick() override { FormClick(); }
    void onMouseUp() override { FormMouseUp(); }
    void onKeyDown() override { FormKeyDown(); }
    void onFocusLost() override { FormDeactivate(); }

private:
    void FormHide() { mainWindow_.focusMainWindow(); }

    platform::ApplicationPort& windows_;
    MainWindowFocus& mainWindow_;
    bool created_ = false;
    bool visible_ = false;
};

}  // namespace umbrix::ui
