// The option explanation window: built hidden at start-up with its five headings, hidden again by
// any click, key, loss of the focus or close request, handing the focus back to the main window
// each time, and gone at the program's end.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Application.hpp"
#include "sim/SimMachine.hpp"
#include "ui/ExplanationWindow.hpp"

namespace umbrix::ui {
namespace {

using ::testing::ElementsAre;

class FocusRecorder final : public MainWindowFocus {
public:
    void focusMainWindow() override { ++focused; }
    int focused = 0;
};

class ExplanationWindow : public ::testing::Test {
protected:
    void SetUp() override { form.onCreate(); }

    sim::SimJournal journal;
    sim::SimApplication windows{journal};
    FocusRecorder mainWindow;
    ui::ExplanationWindow form{windows, mainWindow};
};

TEST_F(ExplanationWindow, IsBuiltHiddenWithTheFiveHeadings) {
    const auto* window = windows.hostedWindow(form);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->visible);
    EXPECT_FALSE(form.visible());
    std::vector<std::string> headings;
    for (const auto& entry : form.explanations()) {
        headings.push_back(entry.heading);
        EXPECT_FALSE(entry.text.empty()) << entry.heading;
    }
    EXPECT_THAT(headings, ElementsAre("Empty Recycle Bin:", "Clear Temporary\r\n Internet Files",
                                      "Clear Recently\r\naccessed documents", "Clear Internet History",
                                      "Show Windows \r\nShutdown Dialog"));
}

// A left click as its view hands it over: the click, then the button's release.
bool leftClick(sim::SimApplication& windows) {
    return windows.userClicks<ui::ExplanationWindow>([](ui::ExplanationWindow& window) {
        window.onClick();
        window.onMouseUp();
    });
}

TEST_F(ExplanationWindow, AnyClickKeyLossOfFocusOrCloseHidesItAndFocusesTheMainWindowOnce) {
    const struct {
        const char* what;
        std::function<bool(sim::SimApplication&, ui::ExplanationWindow&)> act;
    } cases[] = {
        {"a left click", [](sim::SimApplication& w, ui::ExplanationWindow&) { return leftClick(w); }},
        {"another button released",
         [](sim::SimApplication& w, ui::ExplanationWindow&) {
             return w.userClicks<ui::ExplanationWindow>([](ui::ExplanationWindow& window) { window.onMouseUp(); });
         }},
        {"a key",
         [](sim::SimApplication& w, ui::ExplanationWindow&) {
             return w.userTypes<ui::ExplanationWindow>([](ui::ExplanationWindow& window) { window.onKeyDown(); });
         }},
        {"the focus moving elsewhere",
         [](sim::SimApplication& w, ui::ExplanationWindow&) { return w.moveFocusAway(); }},
        {"Alt+F4", [](sim::SimApplication& w, ui::ExplanationWindow& window) { return w.requestClose(window); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mainWindow.focused = 0;
        form.show();
        ASSERT_TRUE(windows.hostedWindow(form)->visible);
        const auto mark = journal.entries().size();

        ASSERT_TRUE(c.act(windows, form));
        EXPECT_TRUE(form.isOpen()) << "it stays, hidden, to be shown again";
        EXPECT_FALSE(windows.hostedWindow(form)->visible);
        EXPECT_FALSE(form.visible());
        // Hiding the focused window loses its focus too; that second reaction finds it hidden.
        EXPECT_EQ(mainWindow.focused, 1);
        EXPECT_THAT(journal.since(mark), ElementsAre("ShowWindow explanation window hidden"));
    }
}

TEST_F(ExplanationWindow, WhileHiddenNothingReachesItAndNothingTakesTheFocus) {
    EXPECT_FALSE(leftClick(windows));
    EXPECT_FALSE(windows.userTypes<ui::ExplanationWindow>([](ui::ExplanationWindow& window) { window.onKeyDown(); }));
    EXPECT_FALSE(windows.moveFocusAway());
    form.hide();
    form.onFocusLost();
    EXPECT_EQ(mainWindow.focused, 0);
    EXPECT_FALSE(windows.hostedWindow(form)->visible);
}

// A reaction that fails goes to the program's runner (its error hook), not out through the
// window's message handler, and the window is hidden all the same.
TEST(ExplanationWindowReactions, AFailureGoesToTheRunnerAndTheWindowStillHides) {
    class FailingFocus final : public MainWindowFocus {
    public:
        void focusMainWindow() override { throw std::runtime_error("no main window to focus"); }
    } failingFocus;
    sim::SimJournal journal;
    sim::SimApplication windows{journal};
    std::vector<std::string> caught;
    ui::ExplanationWindow form{windows, failingFocus, [&](const std::function<void()>& reaction) {
                                   try {
                                       reaction();
                                   } catch (const std::exception& error) {
                                       caught.push_back(error.what());
                                   }
                               }};
    form.onCreate();
    form.show();
    EXPECT_TRUE(leftClick(windows));
    EXPECT_THAT(caught, ElementsAre("no main window to focus"));
    EXPECT_FALSE(windows.hostedWindow(form)->visible);
}

// In the program: built after the configuration, kept hidden, destroyed at the end.
class ExplanationWindowInProgram : public ::testing::Test {
protected:
    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    app::Application application{ports, machine.application};
};

TEST_F(ExplanationWindowInProgram, LivesHiddenFromStartUpToTheEnd) {
    ASSERT_EQ(application.start(), app::StartOutcome::Running);
    ASSERT_NE(application.explanationWindow(), nullptr);
    EXPECT_FALSE(application.explanationWindow()->visible());
    const auto* window = machine.application.hostedWindow("explanation window");
    ASSERT_TRUE(window && window->isOpen());
    EXPECT_FALSE(window->visible);

    const auto mark = machine.journal.entries().size();
    machine.application.postClose();
    EXPECT_EQ(machine.application.runMessageLoop(), 0);
    EXPECT_FALSE(window->isOpen());
    EXPECT_FALSE(application.explanationWindow()->isOpen());
    EXPECT_THAT(machine.journal.since(mark),
                ElementsAre("message loop", "DestroyWindow panic button", "DestroyWindow explanation window",
                            "DestroyWindow main window", "DestroyWindow controller window",
                            "DestroyWindow application window", "PostQuitMessage 0"));
}

}  // namespace
}  // namespace umbrix::ui
