#include <gmock/gmock.h>

#include <stdexcept>

#include "EngineFixture.hpp"

namespace umbrix::engine::testing {
namespace {

using platform::ShowState;

class HideActions : public EngineFixture {
protected:
    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");
    WindowActions& actions = engine.actions();
};

TEST_F(HideActions, HideAllHidesAndRecordsEveryListedWindowTopOfTheZOrderFirst) {
    const WindowId bottom = open(notepad, "Bottom");
    const WindowId middle = open(word, "Middle");
    const WindowId top = open(notepad, "Top");
    open({"Already hidden", word, false});

    EXPECT_TRUE(actions.hideAllWindows(kHide));

    EXPECT_TRUE(machine.windows.visibleWindows().empty());
    EXPECT_EQ(hiddenHandles(), (std::vector<std::string>{text(top), text(middle), text(bottom)}));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Top", "Middle", "Bottom"}));
    EXPECT_EQ(state.hiddenWindows[0].timeText, "09/03/2024 14:05:07");
}

TEST_F(HideActions, HideAllWithNothingToHideRecordsNothing) {
    open({"", notepad});
    EXPECT_TRUE(actions.hideAllWindows(kHide));
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(HideActions, HideAllSkipsExcludedWindowsByTheMode) {
    const WindowId note = open(notepad, "Note");
    const WindowId doc = open(word, "Doc");
    const WindowId kept = open(word, "Kept");
    state.exclusions.windows.append({text(kept), "Kept", "", std::nullopt});
    state.exclusions.applications.append({"c:\\windows\\NOTEPAD.EXE", "--------", std::nullopt});

    // By window, an application exclusion alone protects nothing.
    EXPECT_TRUE(actions.hideAllWindows(kHide));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc", "Note"}));
    EXPECT_TRUE(isVisible(kept));

    // By application, every window of that executable is left, in any letter case; a window
    // exclusion still keeps its window out of the inventory.
    engine.hiddenWindows().restoreWindows();
    options.exclusionMode = static_cast<std::int32_t>(ExclusionMode::ByApplication);
    EXPECT_TRUE(actions.hideAllWindows(kHide));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc"}));
    EXPECT_TRUE(isVisible(note));
    EXPECT_TRUE(isVisible(kept));
    EXPECT_FALSE(isVisible(doc));
}

TEST_F(HideActions, PreparationRemovesTheIconAppliesThePolicyAndClosesOwnWindows) {
    open(notepad, "Note");
    options.alwaysHideTrayIcon = true;
    options.disableTaskManager = true;
    links.administrator = true;
    links.mainWindowVisible = true;
    links.passwordPromptShown = true;
    links.aboutWindowShown = true;

    EXPECT_TRUE(actions.hideAllWindows(kHide));

    EXPECT_EQ(links.log, (std::vector<std::string>{"removeTrayIcon", "setTaskManagerDisabled(true)", "closeMainWindow",
                                                   "closeAndDestroyPasswordPrompt", "closeAboutWindow"}));

    // Without rights the policy is left alone; with the option off the icon stays.
    links.log.clear();
    links.administrator = false;
    options.alwaysHideTrayIcon = false;
    actions.closeApplicationWindows();
    EXPECT_TRUE(links.log.empty());
}

// Every window that is off the screen after an action, however it ended, has its entry.
void expectEveryHiddenWindowRecorded(const SimDesktop& desk, const std::vector<platform::WindowId>& windows, int step) {
    const auto& entries = desk.engine.state().hiddenWindows;
    for (platform::WindowId window : windows) {
        const auto* w = desk.machine.windows.find(window);
        if (!w || w->visible) continue;
        bool recorded = false;
        for (const auto& entry : entries.entries()) recorded = recorded || entry.handleText == handleText(window);
        EXPECT_TRUE(recorded) << "window " << w->title << " hidden without an entry, fault at step " << step;
    }
}

// Runs `action` once for every port call it makes, with an unexpected failure at that call.
template <class Setup, class Action>
void failAtEveryStep(Setup setup, Action action) {
    for (int step = 0;; ++step) {
        SimDesktop desk;
        const std::vector<platform::WindowId> windows = setup(desk);
        bool fired = false;
        desk.machine.windows.afterCalls(step, [&] {
            fired = true;
            throw InjectedFault();
        });
        const bool completed = action(desk);
        expectEveryHiddenWindowRecorded(desk, windows, step);
        if (!fired) {
            EXPECT_TRUE(completed);
            EXPECT_GT(step, 10);  // the action really went through many steps
            return;
        }
    }
}

std::vector<platform::WindowId> threeApplications(SimDesktop& desk) {
    const auto notepad = desk.machine.processes.start("C:\\Windows\\notepad.exe");
    const auto word = desk.machine.processes.start("C:\\Office\\WINWORD.EXE");
    std::vector<platform::WindowId> windows;
    for (const char* title : {"Note 1", "Doc 1", "Note 2", "Doc 2"})
        windows.push_back(desk.machine.windows.open({title, title[0] == 'N' ? notepad : word}));
    desk.links.panicHandle = desk.machine.windows.open({"", desk.machine.processes.start("C:\\Umbrix.exe"), false});
    desk.engine.inventory().refreshInventory();
    return windows;
}

TEST(HideFailures, HideAllNeverLeavesAHiddenWindowUnrecorded) {
    failAtEveryStep(threeApplications, [](SimDesktop& desk) { return desk.engine.actions().hideAllWindows(kHide); });
}

TEST(HideFailures, HideActiveWithItsCascadeNeverLeavesAHiddenWindowUnrecorded) {
    failAtEveryStep(threeApplications, [](SimDesktop& desk) {
        return desk.engine.actions().hideActiveApplication(ActionSender::HideHotkey, kHide);
    });
}

TEST_F(HideActions, AFailedHideShowsItsWindowAgainAndTheOthersStillGo) {
    const WindowId bottom = open(notepad, "Bottom");
    const WindowId top = open(word, "Top");
    options.alwaysHidePanicButton = true;
    links.failingCall = "closePanicWindow";

    EXPECT_TRUE(actions.hideAllWindows(kHide));

    // Each hide failed before its window went: shown (and activated) again, the tray icon back.
    EXPECT_TRUE(isVisible(top));
    EXPECT_TRUE(isVisible(bottom));
    EXPECT_EQ(links.count("showTrayIcon"), 2);
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Top", "Bottom"}));  // harmless: a later show
}

TEST_F(HideActions, AWindowThatVanishedBeforeItsHideIsStillRecorded) {
    const WindowId stays = open(notepad, "Stays");
    const WindowId leaving = open(word, "Leaves");
    // Its application closes it between the refresh and its hide.
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId window) {
        if (call == "showWindow" && window == leaving) machine.windows.destroy(leaving);
    };

    EXPECT_TRUE(actions.hideAllWindows(kHide));

    EXPECT_EQ(hiddenHandles(), (std::vector<std::string>{text(leaving), text(stays)}));
    EXPECT_FALSE(isVisible(stays));
    // Restoring it later does nothing.
    engine.hiddenWindows().restoreWindows();
    EXPECT_TRUE(isVisible(stays));
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(HideActions, HideActiveHidesTheForegroundApplicationFromTheListAsLastRefreshed) {
    const WindowId doc1 = open(word, "Doc 1");
    const WindowId otherNote = open(notepad, "Other note");
    const WindowId doc2 = open(word, "Doc 2");
    const WindowId note = open(notepad, "Note");
    const WindowId doc3 = open(word, "Doc 3");
    engine.inventory().refreshInventory();
    const WindowId lateDoc = open(word, "Opened after the refresh");
    const WindowId untitledDoc = open({"", word});
    machine.windows.setForeground(doc2);

    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));

    // The target first, then its application's other windows from the end of the list.
    EXPECT_EQ(hiddenHandles(), (std::vector<std::string>{text(doc2), text(doc1), text(doc3)}));
    EXPECT_TRUE(isVisible(lateDoc));
    EXPECT_TRUE(isVisible(untitledDoc));
    EXPECT_TRUE(isVisible(note));
    EXPECT_TRUE(isVisible(otherNote));

    // Without the cascade only the target goes.
    options.hideParentWindows = false;
    machine.windows.setForeground(note);
    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    EXPECT_FALSE(isVisible(note));
    EXPECT_TRUE(isVisible(otherNote));
}

// The journal hears of every window a hide may take while all of them are still on the
// screen, so a record written then leads back to whatever the hide got through.
TEST_F(HideActions, EveryHideNamesTheWindowsItMayTakeBeforeTheFirstGoes) {
    const WindowId doc1 = open(word, "Doc 1");
    const WindowId note = open(notepad, "Note");
    const WindowId doc2 = open(word, "Doc 2");
    open({"Already hidden", word, false});
    engine.inventory().refreshInventory();
    links.whileAnnouncing = [&](const HiddenWindowList& hidden, const std::vector<std::string>& handles) {
        EXPECT_TRUE(hidden.empty());
        for (const std::string& handle : handles) EXPECT_TRUE(isVisible(windowFromHandleText(handle))) << handle;
    };
    struct Case {
        bool hideAll;
        bool hideParent;
        std::vector<WindowId> announced;
    } cases[] = {
        {false, false, {doc2}},
        {false, true, {doc2, doc1}},
        {true, false, {doc2, note, doc1}},
    };
    for (const Case& c : cases) {
        links.announcedHides.clear();
        options.hideParentWindows = c.hideParent;
        machine.windows.setForeground(doc2);
        EXPECT_TRUE(c.hideAll ? actions.hideAllWindows(kHide)
                              : actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
        std::vector<std::string> expected;
        for (WindowId window : c.announced) expected.push_back(text(window));
        ASSERT_EQ(links.announcedHides.size(), 1u);
        EXPECT_THAT(links.announcedHides[0], ::testing::UnorderedElementsAreArray(expected));
        EXPECT_THAT(hiddenHandles(), ::testing::UnorderedElementsAreArray(expected));
        engine.hiddenWindows().restoreWindows();
    }

    // Nothing to hide, nothing announced.
    links.announcedHides.clear();
    for (WindowId window : {doc1, note, doc2}) machine.windows.setVisible(window, false);
    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    EXPECT_TRUE(actions.hideAllWindows(kHide));
    EXPECT_TRUE(links.announcedHides.empty());
}

// Only the panic button's own click acts on the window worked in before it; every other start
// acts on the foreground window, whether or not a panic window exists yet.
TEST_F(HideActions, HideActiveTakesTheForegroundWindowUnlessThePanicButtonStartedIt) {
    const WindowId worked = open(notepad, "Worked in");
    const WindowId front = open(word, "In front");
    options.hideParentWindows = false;

    struct Case {
        WindowId myHandle;
        ActionSender sender;
        WindowId expected;
    } cases[] = {
        {panicWindow, ActionSender::PanicWindow, worked},
        {WindowId{}, ActionSender::PanicWindow, worked},
        {panicWindow, ActionSender::HideHotkey, front},
        {WindowId{}, ActionSender::HideHotkey, front},  // no panic window: still the foreground
        {WindowId{}, ActionSender::None, front},  // the default hide hotkey
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.sender));
        engine.hiddenWindows().restoreWindows();
        machine.windows.setForeground(front);
        links.panicHandle = c.myHandle;
        links.lastActive = worked;
        EXPECT_TRUE(actions.hideActiveApplication(c.sender, kHide));
        EXPECT_EQ(hiddenHandles(), std::vector<std::string>{text(c.expected)});
    }
}

TEST_F(HideActions, HideActiveLeavesTheDesktopUntitledInvisibleAndOwnWindowsAlone) {
    const WindowId desktopWindow = open(notepad, "Program Manager");
    const WindowId untitled = open({"", notepad});
    const WindowId invisible = open({"Invisible", notepad, false});
    const WindowId cache = open(word, "cache manager");
    const WindowId own = open(word, links.caption);
    for (WindowId target : {desktopWindow, untitled, invisible, cache, own, WindowId{}}) {
        machine.windows.setForeground(target);
        EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    }
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_EQ(machine.windows.counts().showWindow, 0);
}

TEST_F(HideActions, HideActiveHidesAnExcludedTargetButTheCascadeOnlyReachesListedWindows) {
    const WindowId keptByWindow = open(word, "Kept");
    const WindowId doc = open(word, "Doc");
    state.exclusions.windows.append({text(keptByWindow), "Kept", "", std::nullopt});
    state.exclusions.applications.append({"C:\\Program Files\\Office\\WINWORD.EXE", "1", std::nullopt});
    engine.inventory().refreshInventory();

    machine.windows.setForeground(doc);
    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc"}));
    EXPECT_TRUE(isVisible(keptByWindow));

    machine.windows.setForeground(keptByWindow);
    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc", "Kept"}));
}

TEST_F(HideActions, HideActiveClosesTheMainWindowFirst) {
    const WindowId doc = open(word, "Doc");
    links.mainWindowVisible = true;
    machine.windows.setForeground(doc);
    EXPECT_TRUE(actions.hideActiveApplication(ActionSender::HideHotkey, kHide));
    EXPECT_EQ(links.log, (std::vector<std::string>{"closeMainWindow"}));
    EXPECT_FALSE(isVisible(doc));
}

TEST_F(HideActions, ShowHideWindowRefusesThePanicButtonAndAnswersThePreviousVisibility) {
    const WindowId panic = open({"", word});
    const WindowId doc = open(word, "Doc");
    links.panicHandle = panic;

    EXPECT_FALSE(actions.showHideWindow(ActionSender::None, kHide, text(panic)));
    EXPECT_TRUE(isVisible(panic));
    EXPECT_TRUE(actions.showHideWindow(ActionSender::None, kHide, text(doc)));
    EXPECT_FALSE(actions.showHideWindow(ActionSender::None, kHide, text(doc)));  // already hidden
    EXPECT_FALSE(isVisible(doc));
    EXPECT_FALSE(actions.showHideWindow(ActionSender::None, kHide, "not a handle"));
}

TEST_F(HideActions, EveryShowSwitchesTheMuteOffAndLiftsTheLockWhenSoConfigured) {
    const WindowId doc = open({"Doc", word, false});
    options.alwaysHidePanicButton = true;
    options.muteAudio = true;
    options.disableCtrlAltDel = true;

    EXPECT_TRUE(actions.showHideWindow(ActionSender::None, kShow, text(doc)));
    EXPECT_TRUE(isVisible(doc));
    EXPECT_EQ(machine.windows.foreground(), doc);
    EXPECT_EQ(links.log, (std::vector<std::string>{"closePanicWindow", "switchMuteOff", "liftCtrlAltDelRestrictions"}));

    links.log.clear();
    options.muteAudio = false;
    options.disableCtrlAltDel = false;
    EXPECT_TRUE(actions.showHideWindow(ActionSender::None, kHide, text(doc)));
    EXPECT_EQ(links.log, (std::vector<std::string>{"closePanicWindow"}));
}

TEST_F(HideActions, HideSelectedWindowRecordsTheTimeAloneAndTakesTheEntryOff) {
    const WindowId note = open(notepad, "Note");
    open(word, "Doc");
    engine.inventory().refreshInventory();

    exclusionPage.hideSelectedWindow();  // nothing selected
    EXPECT_TRUE(state.hiddenWindows.empty());

    selectVisible("Note");
    exclusionPage.hideSelectedWindow();
    EXPECT_FALSE(isVisible(note));
    ASSERT_EQ(state.hiddenWindows.size(), 1u);
    EXPECT_EQ(state.hiddenWindows[0].handleText, text(note));
    EXPECT_EQ(state.hiddenWindows[0].timeText, "14:05:07");
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Doc"}));
    EXPECT_FALSE(exclusionPage.selectedVisibleWindow().has_value());
}

}  // namespace
}  // namespace umbrix::engine::testing
