#include <gtest/gtest.h>

#include <algorithm>

#include "DesktopProbe.hpp"
#include "common/TextCompare.hpp"

namespace umbrix::contract {
namespace {

using platform::ShowCommand;
using platform::ShowState;
using platform::WindowId;

class WindowPortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform ports = env->platform();
    platform::WindowPort& windows = ports.windows;

    // The probe's titled windows as EnumWindows reports them, top first.
    std::vector<WindowId> inZOrder(const DesktopProbe& probe) {
        std::vector<WindowId> found;
        windows.enumWindows([&](WindowId window) {
            for (WindowId opened : probe.windows()) {
                if (opened == window) found.push_back(window);
            }
            return true;
        });
        return found;
    }
};

TEST_F(WindowPortContract, EnumWindowsReportsNewerWindowsAboveOlderOnesHiddenOnesToo) {
    auto probe = startProbe(*env, {{"Umbrix probe A"}, {"Umbrix probe B"}, {"Umbrix probe C", /*hidden=*/true}});
    const auto& w = probe->windows();
    const std::vector<WindowId> order = inZOrder(*probe);
    // B was shown after A, so it is above A. The hidden C is walked too; where it stands against
    // the shown ones depends on when the display system reports their activation.
    ASSERT_EQ(order.size(), 3u);
    EXPECT_LT(std::find(order.begin(), order.end(), w[1]), std::find(order.begin(), order.end(), w[0]));
    EXPECT_NE(std::find(order.begin(), order.end(), w[2]), order.end());

    int visited = 0;
    windows.enumWindows([&](WindowId) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);  // the walk stops when asked to
}

TEST_F(WindowPortContract, TitlesReadBackWholeUpTo254Characters) {
    const std::string accented =
        "Pr\xC3\xBC"
        "fung \xE2\x80\x93 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
    const std::string smiley = "\xF0\x9F\x98\x80";  // two UTF-16 characters
    auto probe = startProbe(*env, {{accented}, {std::string(300, 'x')}, {std::string(253, 'y') + smiley}});
    const auto& w = probe->windows();
    EXPECT_EQ(windows.windowText(w[0]), accented);
    EXPECT_EQ(windows.windowText(w[1]), std::string(254, 'x'));
    EXPECT_EQ(windows.windowText(w[2]), std::string(253, 'y'));  // never half a character
    EXPECT_EQ(windows.windowText(probe->sink()), "");
}

TEST_F(WindowPortContract, ShowWindowAnswersThePreviousVisibility) {
    auto probe = startProbe(*env, {{"Umbrix probe shown"}, {"Umbrix probe hidden", true}});
    const WindowId shown = probe->windows()[0];
    const WindowId hidden = probe->windows()[1];
    EXPECT_TRUE(windows.isWindowVisible(shown));
    EXPECT_FALSE(windows.isWindowVisible(hidden));

    EXPECT_TRUE(windows.showWindow(shown, ShowCommand::Hide));
    EXPECT_FALSE(windows.isWindowVisible(shown));
    EXPECT_FALSE(windows.showWindow(shown, ShowCommand::Hide));
    EXPECT_FALSE(windows.showWindow(shown, ShowCommand::Show));  // it was hidden: no failure
    EXPECT_TRUE(windows.isWindowVisible(shown));
    EXPECT_TRUE(windows.showWindow(shown, ShowCommand::Show));

    EXPECT_FALSE(windows.showWindow(hidden, ShowCommand::ShowNormal));
    EXPECT_TRUE(windows.isWindowVisible(hidden));
}

// Waiting for a hung application would freeze the whole program, hotkeys and all, until that
// application recovers.
TEST_F(WindowPortContract, AHungApplicationsWindowIsHiddenWithoutWaitingAndGoesOnceItAnswers) {
    auto probe = startProbe(*env, {{"Umbrix probe not answering"}});
    const WindowId window = probe->windows()[0];
    probe->stopAnswering();
    EXPECT_TRUE(windows.showWindow(window, ShowCommand::Hide));  // it was visible
    EXPECT_FALSE(probe->answering()) << "the hide waited until the application answered again";
    EXPECT_TRUE(probe->waitUntil([&] { return probe->answering() && !windows.isWindowVisible(window); }));
}

// A hide of many windows lets each program work through its own at once; the call returns when
// those that answer have changed, and does not wait for one that has stopped answering.
TEST_F(WindowPortContract, ManyWindowsChangeTogetherWithoutWaitingForAHungApplication) {
    auto answers = startProbe(*env, {{"Umbrix probe one"}, {"Umbrix probe two"}, {"Umbrix probe hidden", true}});
    auto hung = startProbe(*env, {{"Umbrix probe hung"}});
    const std::vector<WindowId>& w = answers->windows();
    const WindowId stuck = hung->windows()[0];
    hung->stopAnswering();

    EXPECT_EQ(windows.showWindows({w[0], stuck, w[1], w[2]}, ShowCommand::Hide),
              (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(hung->answering()) << "the hide waited until the application answered again";
    EXPECT_FALSE(windows.isWindowVisible(w[0]));
    EXPECT_FALSE(windows.isWindowVisible(w[1]));
    EXPECT_TRUE(hung->waitUntil([&] { return hung->answering() && !windows.isWindowVisible(stuck); }));

    EXPECT_EQ(windows.showWindows({w[1], w[0], stuck}, ShowCommand::Show), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(windows.isWindowVisible(w[0]));
    EXPECT_TRUE(windows.isWindowVisible(w[1]));
    EXPECT_TRUE(windows.isWindowVisible(stuck));
    EXPECT_FALSE(windows.isWindowVisible(w[2]));
}

// The watch hears of a window shown by its own program, a moment later, while this thread
// handles its messages; an ended watch hears nothing.
TEST_F(WindowPortContract, AWindowShownByItsProgramIsReportedToTheWatch) {
    auto probe = startProbe(*env, {{"Umbrix probe shows itself"}, {"Umbrix probe stays hidden"}});
    const WindowId shows = probe->windows()[0];
    const WindowId stays = probe->windows()[1];
    std::vector<WindowId> seen;
    auto watch = windows.watchShownWindows([&](WindowId window) { seen.push_back(window); });
    windows.showWindow(shows, ShowCommand::Hide);
    windows.showWindow(stays, ShowCommand::Hide);
    probe->letItRun();
    seen.clear();

    probe->showItself(0);
    EXPECT_TRUE(probe->waitUntil([&] { return std::count(seen.begin(), seen.end(), shows) > 0; }));
    EXPECT_TRUE(windows.isWindowVisible(shows));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), stays), 0);

    watch.reset();
    windows.showWindow(shows, ShowCommand::Hide);
    seen.clear();
    probe->showItself(0);
    EXPECT_TRUE(probe->waitUntil([&] { return windows.isWindowVisible(shows); }));
    probe->letItRun();
    EXPECT_TRUE(seen.empty());
}

TEST_F(WindowPortContract, FindWindowMatchesTheWholeTitleInAnyLetterCase) {
    auto probe = startProbe(
        *env,
        {{"Umbrix Probe Find Me"}, {"Umbrix probe hidden one", true}, {"Umbrix probe twin"}, {"Umbrix probe twin"}});
    const auto& w = probe->windows();
    EXPECT_EQ(windows.findWindowByTitle("umbrix probe find me"), w[0]);
    EXPECT_EQ(windows.findWindowByTitle("UMBRIX PROBE FIND ME"), w[0]);
    EXPECT_EQ(windows.findWindowByTitle("Umbrix Probe Find"), std::nullopt);
    EXPECT_EQ(windows.findWindowByTitle("Umbrix probe hidden one"), w[1]);
    EXPECT_EQ(windows.findWindowByTitle("Umbrix probe twin"), w[3]);  // the upper one
}

TEST_F(WindowPortContract, ACloseRequestEndsTheWindowUnlessItsApplicationRefuses) {
    auto probe = startProbe(*env, {{"Umbrix probe closes"}, {"Umbrix probe refuses", false, false, true}});
    const WindowId closes = probe->windows()[0];
    const WindowId refuses = probe->windows()[1];
    const auto owner = windows.windowProcessId(closes);

    EXPECT_TRUE(windows.postCloseRequest(closes));
    EXPECT_TRUE(windows.postCloseRequest(refuses));
    EXPECT_TRUE(probe->waitUntil([&] { return !windows.isWindow(closes); }));
    probe->letItRun();
    EXPECT_TRUE(windows.isWindow(refuses));
    EXPECT_EQ(owner->value, probe->processId().value);

    // A window that is gone answers like nothing.
    EXPECT_EQ(windows.windowText(closes), "");
    EXPECT_FALSE(windows.isWindowVisible(closes));
    EXPECT_EQ(windows.windowProcessId(closes), std::nullopt);
    EXPECT_EQ(windows.showState(closes), std::nullopt);
    EXPECT_FALSE(windows.showWindow(closes, ShowCommand::Show));
    EXPECT_FALSE(windows.postCloseRequest(closes));
}

TEST_F(WindowPortContract, ForegroundAndShowStateFollowTheWindows) {
    auto probe = startProbe(*env, {{"Umbrix probe normal"}, {"Umbrix probe minimized", false, true}});
    const WindowId normal = probe->windows()[0];
    const WindowId minimized = probe->windows()[1];
    EXPECT_EQ(windows.showState(normal), ShowState::Normal);
    EXPECT_EQ(windows.showState(minimized), ShowState::Minimized);
    EXPECT_TRUE(windows.isWindowVisible(minimized));

    // The other application takes the activation when it next handles its messages.
    EXPECT_TRUE(windows.setForegroundWindow(normal));
    EXPECT_TRUE(probe->waitUntil([&] { return windows.foregroundWindow() == normal; }))
        << "foreground " << windows.foregroundWindow().value << ", wanted " << normal.value;

    windows.showWindow(minimized, ShowCommand::ShowNormal);
    EXPECT_EQ(windows.showState(minimized), ShowState::Normal);
}

// One move of the stack puts the windows in the order given, above the others, and activates
// none of them; a window that is gone is left out.
TEST_F(WindowPortContract, RestackPutsTheWindowsInTheGivenOrderWithoutActivatingAny) {
    auto probe = startProbe(*env, {{"Umbrix probe A"}, {"Umbrix probe B"}, {"Umbrix probe C"}, {"Umbrix probe gone"}});
    const auto& w = probe->windows();
    ASSERT_TRUE(windows.setForegroundWindow(w[2]));
    ASSERT_TRUE(probe->waitUntil([&] { return windows.foregroundWindow() == w[2]; }));
    windows.postCloseRequest(w[3]);
    ASSERT_TRUE(probe->waitUntil([&] { return !windows.isWindow(w[3]); }));

    EXPECT_TRUE(windows.restackWindows({w[0], w[3], w[2], w[1]}));
    const std::vector<WindowId> wanted{w[0], w[2], w[1]};
    EXPECT_TRUE(probe->waitUntil([&] { return inZOrder(*probe) == wanted; }));
    EXPECT_EQ(inZOrder(*probe), wanted);
    EXPECT_EQ(windows.foregroundWindow(), w[2]) << "the move activated a window";
}

// An owned window (a modal dialog) stays above its owner whatever order the move asks for.
TEST_F(WindowPortContract, AnOwnedDialogStaysAboveItsOwnerThroughARestack) {
    ProbeWindow dialog{"Umbrix probe dialog"};
    dialog.modalDialog = true;
    auto probe = startProbe(*env, {{"Umbrix probe owner"}, dialog, {"Umbrix probe other"}});
    const auto& w = probe->windows();
    windows.restackWindows({w[2], w[0], w[1]});
    const std::vector<WindowId> wanted{w[2], w[1], w[0]};
    EXPECT_TRUE(probe->waitUntil([&] { return inZOrder(*probe) == wanted; }));
    EXPECT_EQ(inZOrder(*probe), wanted);
}

// Waiting for a hung application would freeze the program: its window takes its place once it
// answers again.
TEST_F(WindowPortContract, AHungApplicationsWindowIsRestackedWithoutWaiting) {
    auto probe = startProbe(*env, {{"Umbrix probe low"}, {"Umbrix probe high"}});
    const auto& w = probe->windows();
    probe->stopAnswering();
    EXPECT_TRUE(windows.restackWindows({w[0], w[1]}));
    EXPECT_FALSE(probe->answering()) << "the move waited until the application answered again";
    const std::vector<WindowId> wanted{w[0], w[1]};
    EXPECT_TRUE(probe->waitUntil([&] { return probe->answering() && inZOrder(*probe) == wanted; }));
}

TEST_F(WindowPortContract, AnOrdinaryWindowIsNotCloaked) {
    auto probe = startProbe(*env, {{"Umbrix probe plain"}});
    // No compositor answers "not cloaked" as surely as one that says so.
    EXPECT_EQ(windows.cloakedState(probe->windows()[0]).value_or(0), 0u);
}

}  // namespace
}  // namespace umbrix::contract
