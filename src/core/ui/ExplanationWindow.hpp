#pragma once
// ExplanationWindow, the option explanation window: a bare pale yellow pop-up with a bold heading and a
// short explanation for each trace clean-up option. It is created once at start-up, hidden, and
// lives until the program ends. While shown, a click, a mouse button released over it, a key or
// the loss of the focus hides it; whenever it hides, the main window gets the focus back.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ModelessWindow.hpp"

namespace umbrix::ui {

// The main window, as the explanation window hands the focus back to it.
class MainWindowFocus {
public:
    virtual ~MainWindowFocus() = default;
    // SetFocus on the main window.
    virtual void focusMainWindow() = 0;
};

// One heading (bold, may hold a line break) and the explanation beside it.
struct ExplanationEntry {
    std::string heading;
    std::string text;
    bool operator==(const ExplanationEntry&) const = default;
};

class ExplanationWindow final : public platform::ModelessWindow {
public:
    // Runs one reaction to the window's input; the program's runs it under its error hook, so
    // that a failure ends that reaction and never leaves through the window's message handler.
    using ReactionRunner = std::function<void(const std::function<void()>& reaction)>;

    ExplanationWindow(
        platform::ModelessWindowHost& windows, MainWindowFocus& mainWindow,
        ReactionRunner runReaction = [](const std::function<void()>& reaction) { reaction(); })
        : windows_(windows), mainWindow_(mainWindow), runReaction_(std::move(runReaction)) {}

    std::string name() const override { return "explanation window"; }

    // The headings and explanations, top to bottom.
    static const std::vector<ExplanationEntry>& explanations();

    // Builds the hidden window.
    void onCreate();

    void show();
    void hide();
    bool visible() const { return visible_; }

    // A click, a key, the focus leaving or a close request each hide the window.
    void onClick() {
        runReaction_([this] { hide(); });
    }
    void onMouseUp() {
        runReaction_([this] { hide(); });
    }
    void onKeyDown() {
        runReaction_([this] { hide(); });
    }
    void onFocusLost() override {
        runReaction_([this] { hide(); });
    }
    void onCloseRequest() override {
        runReaction_([this] { hide(); });
    }

private:
    void handFocusBack() { mainWindow_.focusMainWindow(); }

    platform::ModelessWindowHost& windows_;
    MainWindowFocus& mainWindow_;
    ReactionRunner runReaction_;
    bool created_ = false;
    bool visible_ = false;
};

}  // namespace umbrix::ui
