#include "EngineFixture.hpp"

namespace umbrix::engine::testing {
namespace {

using platform::ShowState;

class Restore : public EngineFixture {
protected:
    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");
    HiddenWindowCommands& hidden = engine.hiddenWindows();

    // The windows shown again, in the order they were shown.
    std::vector<WindowId> shown;
    void recordShows() {
        machine.windows.beforeEachCall = [this](std::string_view call, WindowId window) {
            if (call == "showWindow" && machine.windows.find(window) && !isVisible(window)) shown.push_back(window);
        };
    }
    void record(WindowId window, const std::string& title) {
        state.hiddenWindows.append({text(window), title, "09/03/2024 14:05:07"});
    }
    void selectHidden(std::size_t index) { hiddenPage.selectHiddenWindow(index); }
};

TEST_F(Restore, RestoreShowsEveryWindowInTheOrderOfHidingThenEmptiesAndRefreshes) {
    const WindowId bottom = open(notepad, "Bottom");
    const WindowId middle = open(word, "Middle");
    const WindowId top = open(notepad, "Top");
    ASSERT_TRUE(engine.actions().hideAllWindows(kHide));
    options.muteAudio = true;
    links.log.clear();
    recordShows();

    hidden.restoreWindows();

    // The former top first; then the stack goes back as it was, the former top active again.
    EXPECT_EQ(shown, (std::vector<WindowId>{top, middle, bottom}));
    EXPECT_EQ(machine.windows.foreground(), top);
    EXPECT_EQ(links.count("switchMuteOff"), 1);  // once, after the last window shown
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Top", "Middle", "Bottom"}));
}

TEST_F(Restore, RestoreOfAnEmptyListRebuildsTheInventory) {
    open(notepad, "Note");
    hidden.restoreWindows();
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Note"}));
}

TEST_F(Restore, RestoreLeavesCacheManagerAndOwnCaptionEntriesHiddenAndDropsThem) {
    const WindowId cache = open({"Cache Manager", word, false});
    const WindowId own = open({"Own", word, false});
    const WindowId doc = open({"Doc", word, false});
    record(cache, "CACHE manager");
    record(own, "ubx 7 for office (portable)");
    record(doc, "Doc");

    hidden.restoreWindows();

    EXPECT_FALSE(isVisible(cache));
    EXPECT_FALSE(isVisible(own));
    EXPECT_TRUE(isVisible(doc));
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(Restore, NoHideActionTakesAWindowThatRestoreWouldNotBringBack) {
    const WindowId cache = open(word, "Cache Manager");
    const WindowId doc = open(word, "Doc");
    engine.inventory().refreshInventory();
    ASSERT_TRUE(engine.actions().hideAllWindows(kHide));
    machine.windows.setForeground(cache);
    ASSERT_TRUE(engine.actions().hideActiveApplication(ActionSender::HideHotkey, kHide));
    selectVisible("Cache Manager");
    exclusionPage.hideSelectedWindow();

    EXPECT_TRUE(isVisible(cache));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc"}));
    hidden.restoreWindows();
    EXPECT_TRUE(isVisible(doc));
}

TEST_F(Restore, DuplicateEntriesShowTheirWindowTwiceAndAreRemovedOneByOne) {
    const WindowId doc = open({"Doc", word, false});
    record(doc, "Doc");
    record(doc, "Doc");
    recordShows();

    selectHidden(1);
    hiddenPage.showSelectedHiddenWindow();
    EXPECT_TRUE(isVisible(doc));
    EXPECT_EQ(state.hiddenWindows.size(), 1u);  // only the selected one

    machine.windows.setVisible(doc, false);
    record(doc, "Doc");
    options.muteAudio = true;
    hidden.restoreWindows();
    EXPECT_EQ(links.count("switchMuteOff"), 1);  // shown twice in one batch, harmless
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(Restore, IsExitingShowsEveryWindowAndKeepsTheList) {
    const WindowId note = open({"Note", notepad, false});
    const WindowId doc = open({"Doc", word, false});
    record(note, "Note");
    record(doc, "Doc");

    EXPECT_TRUE(hidden.showEveryHiddenWindow());

    EXPECT_TRUE(isVisible(note));
    EXPECT_TRUE(isVisible(doc));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Note", "Doc"}));
    EXPECT_TRUE(state.visibleWindows.empty());  // no refresh

    // An unexpected failure ends the walk quietly; the list is still whole.
    links.beforeCaption = [] { throw InjectedFault(); };
    EXPECT_FALSE(hidden.showEveryHiddenWindow());
    EXPECT_EQ(state.hiddenWindows.size(), 2u);
}

TEST_F(Restore, ARestoreThatFailsHalfWayKeepsEveryEntryForTheNextAttempt) {
    const WindowId note = open(notepad, "Note");
    const WindowId doc = open(word, "Doc");
    ASSERT_TRUE(engine.actions().hideAllWindows(kHide));
    // The caption read before the second show fails unexpectedly.
    int captionReads = 0;
    links.beforeCaption = [&] {
        if (++captionReads == 2) throw InjectedFault();
    };

    EXPECT_THROW(hidden.restoreWindows(), InjectedFault);
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc", "Note"}));

    // The caller's error handling restores again: every window comes back.
    links.beforeCaption = nullptr;
    hidden.restoreWindows();
    EXPECT_TRUE(isVisible(note));
    EXPECT_TRUE(isVisible(doc));
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(Restore, ShowSelectedRestoresNormalSizeWithoutTheExtras) {
    const WindowId doc = open({"Doc", word, false, ShowState::Minimized});
    record(doc, "Doc");
    options.muteAudio = true;
    options.alwaysHidePanicButton = true;

    hiddenPage.showSelectedHiddenWindow();  // nothing selected
    EXPECT_FALSE(isVisible(doc));

    selectHidden(0);
    hiddenPage.showSelectedHiddenWindow();
    EXPECT_TRUE(isVisible(doc));
    EXPECT_EQ(machine.windows.find(doc)->state, ShowState::Normal);
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_TRUE(links.log.empty());  // no unmute, the panic window left alone
}

TEST_F(Restore, ShowAllShowsFromTheLastEntryAndEmptiesTheListEvenForWindowsThatAreGone) {
    const WindowId note = open({"Note", notepad, false});
    const WindowId gone = open({"Gone", word, false});
    const WindowId doc = open({"Doc", word, false, ShowState::Maximized});
    record(note, "Note");
    record(gone, "Gone");
    record(doc, "Doc");
    machine.windows.destroy(gone);
    options.muteAudio = true;
    recordShows();

    hiddenPage.showAllHiddenWindows();

    EXPECT_EQ(shown, (std::vector<WindowId>{doc, note}));
    EXPECT_EQ(machine.windows.foreground(), note);
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_EQ(links.count("switchMuteOff"), 0);
}

TEST_F(Restore, CloseWindowAsksFirstAndNoLeavesEverythingAsItWas) {
    const WindowId doc = open({"Doc", word, false});
    record(doc, "Doc");
    selectHidden(0);
    links.answerYes = false;

    hiddenPage.closeSelectedHiddenWindow();

    ASSERT_EQ(links.questions.size(), 1u);
    EXPECT_EQ(links.questions[0].first, "This window is hidden. Are your sure you want to close it?");
    EXPECT_EQ(links.questions[0].second, "Confirm");
    EXPECT_EQ(machine.windows.find(doc)->closeRequests, 0);
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Doc"}));
}

TEST_F(Restore, ClosedHiddenWindowKeepsItsEntryUntilItIsReallyGone) {
    const WindowId closes = open({"Closes", word, false});
    sim::SimWindows::Blueprint asking{"Asks to save", word, false};
    asking.refusesClose = true;  // its application asks its user, who keeps it
    const WindowId refuses = open(asking);
    record(closes, "Closes");
    record(refuses, "Asks to save");

    for (std::size_t index : {0u, 1u}) {
        selectHidden(index);
        hiddenPage.closeSelectedHiddenWindow();
    }
    EXPECT_EQ(machine.windows.find(closes)->closeRequests, 1);
    EXPECT_EQ(machine.windows.find(refuses)->closeRequests, 1);
    // The requests are still queued: both entries are there, marked.
    ASSERT_EQ(state.hiddenWindows.size(), 2u);
    EXPECT_TRUE(state.hiddenWindows[0].closeRequested);
    EXPECT_TRUE(state.hiddenWindows[1].closeRequested);

    machine.windows.deliverPostedMessages();
    hiddenPage.onListMouseEnter();
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Asks to save"}));

    // The kept window is still one unhide away.
    hidden.restoreWindows();
    EXPECT_TRUE(isVisible(refuses));
}

TEST_F(Restore, CloseWindowMarksOnlyTheEntryStillSelectedWhenTheAnswerComes) {
    const WindowId doc = open({"Doc", word, false});
    const WindowId note = open({"Note", notepad, false});
    record(doc, "Doc");
    record(note, "Note");
    selectHidden(0);
    // The unhide hotkey is pressed while the question is open.
    links.whileAsking = [&] { hidden.restoreWindows(); };

    hiddenPage.closeSelectedHiddenWindow();

    EXPECT_EQ(machine.windows.find(doc)->closeRequests, 1);  // the answer was Yes
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(Restore, TheSharedMenuFollowsTheListUnderTheMouse) {
    EXPECT_FALSE(sharedMenu.removeSelected);  // starts disabled
    exclusionPage.onApplicationListMouseEnter();
    EXPECT_EQ(sharedMenu, (ui::SharedContextMenu{false, false, false, true, true}));
    hiddenPage.onListMouseDown(ui::MouseButton::Left);
    EXPECT_EQ(sharedMenu, (ui::SharedContextMenu{false, false, false, true, true}));
    hiddenPage.onListMouseDown(ui::MouseButton::Right);
    EXPECT_EQ(sharedMenu, (ui::SharedContextMenu{true, true, true, false, false}));
    exclusionPage.onApplicationListMouseDown(ui::MouseButton::Right);
    EXPECT_EQ(sharedMenu, (ui::SharedContextMenu{false, false, false, true, true}));
    hiddenPage.onListMouseEnter();
    EXPECT_EQ(sharedMenu, (ui::SharedContextMenu{true, true, true, false, false}));
}

}  // namespace
}  // namespace umbrix::engine::testing
