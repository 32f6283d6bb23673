#include "EngineFixture.hpp"

namespace umbrix::engine::testing {
namespace {

class CloseActions : public EngineFixture {
protected:
    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");
    WindowActions& actions = engine.actions();

    int closeRequests(WindowId window) const { return machine.windows.find(window)->closeRequests; }

    // The windows that received a close request, in the order the requests were posted.
    std::vector<WindowId> closeOrder;
    void recordCloseOrder() {
        machine.windows.beforeEachCall = [this](std::string_view call, WindowId window) {
            if (call == "postCloseRequest") closeOrder.push_back(window);
        };
    }
};

TEST_F(CloseActions, CloseAllAsksEveryListedWindowToCloseFromTheBottomUp) {
    const WindowId bottom = open(notepad, "Bottom");
    const WindowId middle = open(word, "Middle");
    const WindowId top = open(notepad, "Top");
    const WindowId hidden = open({"Hidden", word, false});
    links.mainWindowVisible = true;
    recordCloseOrder();

    EXPECT_TRUE(actions.closeAllWindows(0));

    EXPECT_EQ(closeOrder, (std::vector<WindowId>{bottom, middle, top}));
    EXPECT_EQ(closeRequests(hidden), 0);
    EXPECT_EQ(links.log, (std::vector<std::string>{"closeMainWindow"}));
    EXPECT_TRUE(state.hiddenWindows.empty());  // closing records nothing
    machine.windows.deliverPostedMessages();
    EXPECT_EQ(machine.windows.zOrder(), (std::vector<WindowId>{hidden, panicWindow}));
}

TEST_F(CloseActions, CloseAllReachesEachWindowItselfEvenWhenTitlesRepeat) {
    const WindowId excluded = open(notepad, "Untitled - Notepad");
    const WindowId first = open(notepad, "Untitled - Notepad");
    const WindowId second = open(notepad, "Untitled - Notepad");
    const WindowId hiddenSame = open({"Untitled - Notepad", notepad, false});
    state.exclusions.windows.append({text(excluded), "Shopping list", "", std::nullopt});

    EXPECT_TRUE(actions.closeAllWindows(0));

    // Both listed windows get their request; the excluded and the hidden one of the same title
    // are not touched.
    EXPECT_EQ(closeRequests(first), 1);
    EXPECT_EQ(closeRequests(second), 1);
    EXPECT_EQ(closeRequests(excluded), 0);
    EXPECT_EQ(closeRequests(hiddenSame), 0);
}

TEST_F(CloseActions, CloseAllSkipsProtectedApplicationsInApplicationMode) {
    const WindowId note = open(notepad, "Note");
    const WindowId doc = open(word, "Doc");
    state.exclusions.applications.append({"C:\\WINDOWS\\notepad.exe", "--------", std::nullopt});

    EXPECT_TRUE(actions.closeAllWindows(0));
    EXPECT_EQ(closeRequests(note), 1);  // by window, the application exclusion protects nothing

    options.exclusionMode = static_cast<std::int32_t>(ExclusionMode::ByApplication);
    EXPECT_TRUE(actions.closeAllWindows(0));
    EXPECT_EQ(closeRequests(note), 1);
    EXPECT_EQ(closeRequests(doc), 2);
}

TEST_F(CloseActions, CloseActiveClosesTheTargetOnceAndItsApplicationWhenCascading) {
    const WindowId doc1 = open(word, "Doc 1");
    const WindowId note = open(notepad, "Note");
    const WindowId doc2 = open(word, "Doc 2");
    const WindowId doc3 = open(word, "Doc 3");
    engine.inventory().refreshInventory();
    machine.windows.setForeground(doc2);
    recordCloseOrder();

    EXPECT_TRUE(actions.closeActiveWindow(ActionSender::HideHotkey, 0));
    EXPECT_EQ(closeOrder, (std::vector<WindowId>{doc2}));  // the cascade is off by default

    closeOrder.clear();
    options.closeParentWindows = true;
    EXPECT_TRUE(actions.closeActiveWindow(ActionSender::HideHotkey, 0));
    // The target, then the rest of its application from the end of the list; the target gets
    // no second request, which would make an application that asks "save changes?" ask twice.
    EXPECT_EQ(closeOrder, (std::vector<WindowId>{doc2, doc1, doc3}));
    EXPECT_EQ(closeRequests(note), 0);
    EXPECT_TRUE(state.hiddenWindows.empty());
}

TEST_F(CloseActions, CloseActiveLeavesTheDesktopUntitledAndInvisibleWindowsAlone) {
    const WindowId desktopWindow = open(notepad, "PROGRAM MANAGER");
    const WindowId untitled = open({"", notepad});
    const WindowId invisible = open({"Invisible", notepad, false});
    for (WindowId target : {desktopWindow, untitled, invisible, WindowId{}}) {
        machine.windows.setForeground(target);
        EXPECT_TRUE(actions.closeActiveWindow(ActionSender::HideHotkey, 0));
    }
    EXPECT_EQ(machine.windows.counts().postCloseRequest, 0);
}

TEST_F(CloseActions, CloseActiveFromThePanicButtonTakesTheWindowWorkedInBefore_AHotkeyTheForegroundWindow) {
    const WindowId worked = open(notepad, "Worked in");
    const WindowId front = open(word, "In front");
    links.lastActive = worked;
    machine.windows.setForeground(front);
    EXPECT_TRUE(actions.closeActiveWindow(ActionSender::PanicWindow, 0));
    EXPECT_EQ(closeRequests(worked), 1);
    EXPECT_EQ(closeRequests(front), 0);

    // No panic window recorded: a hotkey still acts on the window in front.
    links.panicHandle = WindowId{};
    EXPECT_TRUE(actions.closeActiveWindow(ActionSender::HideHotkey, 0));
    EXPECT_EQ(closeRequests(front), 1);
    EXPECT_EQ(closeRequests(worked), 1);
}

TEST_F(CloseActions, AnUnexpectedFailureStopsTheActionAndAnswersFalse) {
    open(notepad, "Bottom");
    open(word, "Top");
    int posted = 0;
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId) {
        if (call == "postCloseRequest" && ++posted == 1) throw InjectedFault();
    };
    EXPECT_FALSE(actions.closeAllWindows(0));
    EXPECT_EQ(machine.windows.counts().postCloseRequest, 1);  // stopped at the first request
}

}  // namespace
}  // namespace umbrix::engine::testing
