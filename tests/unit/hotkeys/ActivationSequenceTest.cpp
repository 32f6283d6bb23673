#include <algorithm>
#include <stdexcept>

#include "ActivationFixture.hpp"

namespace umbrix::hotkeys::testing {
namespace {

using platform::ShowState;

// Three applications of the user: Mail in front, Sheets minimized under it, Browser below.
class ActivationTest : public ActivationFixture {
protected:
    void SetUp() override {
        ActivationFixture::SetUp();
        selections.cbRecycle = true;  // makes every run of the extras visible in the journal
        // The panic button window exists from start-up, hidden until the user asks for it.
        standIns.panicHandle = machine.windows.open({"", machine.processes.start(machine.system.exePath), false});
        browser = machine.windows.open({"Browser", machine.processes.start("C:\\Apps\\browser.exe")});
        sheets = machine.windows.open(
            {"Sheets", machine.processes.start("C:\\Apps\\sheets.exe"), true, ShowState::Minimized});
        mail = machine.windows.open({"Mail", userProcess});
        machine.windows.setForeground(mail);
    }
    int journalCount(const std::string& entry) const {
        return static_cast<int>(std::count(machine.journal.begin(), machine.journal.end(), entry));
    }
    int extrasRuns() const { return journalCount("shell.emptyRecycleBin"); }
    std::vector<std::string> sortedHidden() const {
        auto titles = hiddenTitles();
        std::sort(titles.begin(), titles.end());
        return titles;
    }
    // "Disable CTRL+ALT+DEL" checked, in the main window's copy the engine reads as well.
    void restrictCtrlAltDel() {
        selections.cbDisableACT = true;
        engine.state().options.cbDisableACT = true;
    }
    void hideAllByDefaultKey() {
        selections.Action = kHideAllAction;
        pressDefaultHide();
        ASSERT_EQ(hiddenTitles().size(), 3u);
    }

public:
    WindowId browser, sheets, mail;
};

struct HideCase {
    std::int32_t action;
    std::vector<std::string> hidden;  // sorted
    std::vector<WindowId ActivationTest::*> closed;
    bool visibleListEmpty;
    WindowId ActivationTest::*foreground;  // nullptr: not checked
    bool extrasRun;
};

class HideSequenceTest : public ActivationTest, public ::testing::WithParamInterface<HideCase> {};

TEST_P(HideSequenceTest, TheHideKeyRunsTheConfiguredActionThenTheExtras) {
    const HideCase& c = GetParam();
    selections.Action = c.action;
    pressDefaultHide();
    machine.windows.deliverPostedMessages();

    EXPECT_EQ(sortedHidden(), c.hidden);
    for (auto window : c.closed) EXPECT_FALSE(isOpen(this->*window));
    EXPECT_EQ(engine.state().visibleWindows.empty(), c.visibleListEmpty);
    if (c.foreground) {
        EXPECT_EQ(machine.windows.foreground(), this->*(c.foreground));
    }
    EXPECT_EQ(extrasRuns(), c.extrasRun ? 1 : 0);
    EXPECT_EQ(audioMuted(), c.extrasRun);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAction, HideSequenceTest,
    ::testing::Values(HideCase{kHideAllAction, {"Browser", "Mail", "Sheets"}, {}, true, nullptr, true},
                      HideCase{kHideActiveAction, {"Mail"}, {}, false, &ActivationTest::browser, true},
                      HideCase{kCloseAllAction,
                               {},
                               {&ActivationTest::browser, &ActivationTest::sheets, &ActivationTest::mail},
                               true,
                               nullptr,
                               true},
                      // The close request is still on its way when the focus step runs: Windows hands the
                      // foreground on when the window really goes.
                      HideCase{kCloseActiveAction, {}, {&ActivationTest::mail}, false, nullptr, true},
                      HideCase{kDoNothingAction, {}, {}, true, &ActivationTest::mail, false},
                      HideCase{
                          7, {}, {}, true, &ActivationTest::mail, true}));  // no action, yet not the do-nothing one

TEST_F(ActivationTest, TheFocusStepPassesOverMinimizedAndVanishedWindows) {
    EXPECT_TRUE(sequence.IsWindowMinimized(sheets));
    EXPECT_FALSE(sequence.IsWindowMinimized(browser));
    machine.windows.destroy(browser);
    EXPECT_TRUE(sequence.IsWindowMinimized(browser));  // gone: never a window to bring forward

    // Nothing but minimized windows left: the focus step brings none of them forward.
    engine.state().options.cbzOrder = false;  // only the focus step may set the foreground
    std::vector<WindowId> broughtForward;
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId window) {
        if (call == "setForegroundWindow") broughtForward.push_back(window);
    };
    selections.Action = kHideActiveAction;
    pressDefaultHide();
    machine.windows.beforeEachCall = nullptr;
    EXPECT_EQ(hiddenTitles(), std::vector<std::string>{"Mail"});
    EXPECT_TRUE(broughtForward.empty());
}

TEST_F(ActivationTest, TheDecoyStartsAfterTheActionAndTheExtrasAfterIt) {
    selections.UseDecoy = true;
    selections.DecoyApp = kDecoyPath;
    hideAllByDefaultKey();

    const auto& journal = machine.journal.entries();
    const auto launch = std::find(journal.begin(), journal.end(), "shell.execute " + kDecoyPath);
    const auto mute = std::find(journal.begin(), journal.end(), "audio.setEndpointMute on");
    ASSERT_NE(launch, journal.end());
    ASSERT_NE(mute, journal.end());
    EXPECT_LT(launch, mute);
    EXPECT_GT(decoy.DecoyAppHandle(), 32u);
    // The engine knows the decoy's window, so the next refresh or action leaves it alone.
    ASSERT_TRUE(decoy.DecoyWindow());
    EXPECT_EQ(engine.state().decoyAppHandle, WindowId{*decoy.DecoyWindow()});

    // The custom key starts it again after its action, as every activation does.
    bindComponents(false);
    pressCustomUnhide();
    pressCustomHide();
    EXPECT_EQ(decoyLaunches(), 2);
    EXPECT_EQ(journalCount("shell.execute " + kDecoyPath), 2);
}

TEST_F(ActivationTest, TheDecoysWindowStaysInFrontThroughTheNextHide) {
    selections.UseDecoy = true;
    selections.DecoyApp = kDecoyPath;
    hideAllByDefaultKey();
    ASSERT_TRUE(decoy.DecoyWindow());
    const WindowId decoyWindow{*decoy.DecoyWindow()};
    EXPECT_TRUE(isVisible(decoyWindow));
    EXPECT_EQ(machine.windows.foreground(), decoyWindow);

    // Everything back, then hidden again: the user's windows go, the decoy stays in front.
    pressDefaultUnhide();
    ASSERT_TRUE(hiddenTitles().empty());
    pressDefaultHide();
    EXPECT_EQ(sortedHidden(), (std::vector<std::string>{"Browser", "Mail", "Sheets"}));
    EXPECT_TRUE(isVisible(decoyWindow));
    EXPECT_EQ(decoyLaunches(), 2);
}

TEST_F(ActivationTest, UnhideWithoutPasswordRestoresAndLiftsMuteAndLockdown) {
    restrictCtrlAltDel();
    hideAllByDefaultKey();
    ASSERT_TRUE(audioMuted());
    ASSERT_EQ(ctrlAltDelPolicy(), 1u);

    pressDefaultUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(isVisible(mail) && isVisible(browser) && isVisible(sheets));
    // The extras ran after the unhide, yet the user keeps the sound and the Task Manager.
    EXPECT_EQ(extrasRuns(), 2);
    EXPECT_FALSE(audioMuted());
    EXPECT_EQ(ctrlAltDelPolicy(), 0u);
}

struct PromptCase {
    const char* name;
    std::function<void(ActivationTest&)> answer;
    bool restored;
    int extrasRunsAfterUnhide;
    bool promptKept;
};

class UnhidePromptTest : public ActivationTest, public ::testing::WithParamInterface<PromptCase> {
public:
    using ActivationFixture::machine;
    using ActivationFixture::password;
    using ActivationFixture::store;
    using ActivationFixture::userCancelsPrompt;
    using ActivationFixture::userTypes;
};

TEST_P(UnhidePromptTest, UnhideWithPasswordAnsweredByTheUser) {
    const PromptCase& c = GetParam();
    setPassword("Secret");
    restrictCtrlAltDel();
    hideAllByDefaultKey();
    c.answer(*this);
    pressDefaultUnhide();

    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    EXPECT_EQ(hiddenTitles().empty(), c.restored);
    EXPECT_EQ(isVisible(mail), c.restored);
    EXPECT_EQ(extrasRuns(), 1 + c.extrasRunsAfterUnhide);
    // Muted and locked exactly while windows stay hidden.
    EXPECT_EQ(audioMuted(), !c.restored);
    EXPECT_EQ(ctrlAltDelPolicy(), c.restored ? 0u : 1u);
    EXPECT_EQ(prompt.Password_f() != nullptr, c.promptKept);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnhidePromptTest,
    ::testing::Values(
        PromptCase{"RightPassword", [](ActivationTest& t) { static_cast<UnhidePromptTest&>(t).userTypes("Secret"); },
                   true, 1, true},
        PromptCase{"Cancel", [](ActivationTest& t) { static_cast<UnhidePromptTest&>(t).userCancelsPrompt(); }, false, 1,
                   false},
        // OK with the password of a moment ago: the whole dispatch ends, the extras included.
        PromptCase{"PasswordChangedWhileTyping",
                   [](ActivationTest& base) {
                       auto& t = static_cast<UnhidePromptTest&>(base);
                       t.machine.dialogs.userStep<password::TPassword_f>([&t](password::TPassword_f& prompt) {
                           prompt.PassWord = "Secret";
                           prompt.Button1Click();
                           t.password.replace(t.store.WritePassword("Newer", "").hash);
                       });
                   },
                   false, 0, false}),
    [](const ::testing::TestParamInfo<PromptCase>& info) { return std::string(info.param.name); });

TEST_F(ActivationTest, UnhideWithNothingHiddenShowsNoPromptButRunsTheExtrasUnmuted) {
    setPassword("Secret");
    pressDefaultUnhide();
    EXPECT_TRUE(machine.dialogs.modalsShown.empty());
    EXPECT_EQ(extrasRuns(), 1);
    EXPECT_FALSE(audioMuted());
}

TEST_F(ActivationTest, TheDoNothingActionHidesNothingRunsNoExtrasYetUnhideStillRestores) {
    hideAllByDefaultKey();
    selections.Action = kDoNothingAction;
    const int runs = extrasRuns();
    pressDefaultHide();
    sequence.activateFromPanicButton();
    EXPECT_EQ(extrasRuns(), runs);

    pressDefaultUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(isVisible(mail));
    EXPECT_EQ(extrasRuns(), runs);
}

TEST_F(ActivationTest, CustomModeIgnoresTheDefaultKeysAndDefaultModeTheCustomHide) {
    bindComponents(false);
    pressDefaultHide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_EQ(extrasRuns(), 0);
    pressCustomHide();
    EXPECT_EQ(hiddenTitles().size(), 3u);
    pressDefaultUnhide();
    EXPECT_EQ(hiddenTitles().size(), 3u);
    pressCustomUnhide();
    EXPECT_TRUE(hiddenTitles().empty());

    // Back in default mode, a custom hide component still live does nothing; its unhide
    // counterpart still gives the windows back.
    selections.UseDefaultKeys = true;
    pressCustomHide();
    EXPECT_TRUE(hiddenTitles().empty());
    pressDefaultHide();
    ASSERT_EQ(hiddenTitles().size(), 3u);
    pressCustomUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
}

TEST_F(ActivationTest, ThePanicButtonActsInBothModesOnTheWindowTheUserWorkedIn) {
    machine.windows.setVisible(standIns.panicHandle, true);
    machine.windows.setForeground(standIns.panicHandle);  // the click made it the foreground
    standIns.lastActive = browser;
    bindComponents(false);

    selections.Action = kHideActiveAction;
    sequence.activateFromPanicButton();
    EXPECT_EQ(hiddenTitles(), std::vector<std::string>{"Browser"});
    EXPECT_TRUE(isVisible(standIns.panicHandle));

    pressCustomUnhide();
    selections.Action = kHideAllAction;  // through the default dispatcher, custom mode or not
    sequence.activateFromPanicButton();
    EXPECT_EQ(sortedHidden(), (std::vector<std::string>{"Browser", "Mail", "Sheets"}));
    EXPECT_TRUE(isVisible(standIns.panicHandle));
    EXPECT_EQ(extrasRuns(), 3);
}

class BothModesTest : public ActivationTest, public ::testing::WithParamInterface<bool> {
protected:
    bool useDefaultKeys() const { return GetParam(); }
    void pressHide() { useDefaultKeys() ? pressDefaultHide() : pressCustomHide(); }
    void pressUnhide() { useDefaultKeys() ? pressDefaultUnhide() : pressCustomUnhide(); }
};

TEST_P(BothModesTest, TheExitStealthKeyBringsTheIconBackWithoutExtras) {
    bindComponents(useDefaultKeys());
    selections.cbHideIcon = true;
    engine.state().options.cbHideIcon = true;
    pressHide();
    ASSERT_FALSE(standIns.trayIconShown());
    const int runs = extrasRuns();

    pressExitStealth();
    EXPECT_TRUE(standIns.trayIconShown());
    EXPECT_EQ(extrasRuns(), runs);
    EXPECT_EQ(hiddenTitles().size(), 3u);
}

// An impatient second unhide press while the prompt is open, as its modal loop delivers it.
TEST_P(BothModesTest, ASecondUnhidePressWhileThePromptIsOpenRestoresNothingAndKeepsThePrompt) {
    bindComponents(useDefaultKeys());
    setPassword("Secret");
    pressHide();
    ASSERT_EQ(hiddenTitles().size(), 3u);
    const int runs = extrasRuns();

    bool restoredMeanwhile = true, promptStayed = false;
    machine.dialogs.userStep<password::TPassword_f>([&](password::TPassword_f& open) {
        pressUnhide();
        restoredMeanwhile = hiddenTitles().size() != 3u || isVisible(mail);
        promptStayed = prompt.isOpen() && !open.isClosed();
        open.PassWord = "Secret";
        open.Button1Click();
    });
    pressUnhide();

    EXPECT_FALSE(restoredMeanwhile);
    EXPECT_TRUE(promptStayed);
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 1u);
    EXPECT_TRUE(hiddenTitles().empty());  // the typed password restored them
    EXPECT_EQ(extrasRuns(), runs + 1);  // for the outer press only
}

INSTANTIATE_TEST_SUITE_P(Modes, BothModesTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "DefaultKeys" : "CustomKeys");
});

TEST_F(ActivationTest, TheIdleHandlerIsDetachedWhileThePromptIsUp) {
    setPassword("Secret");
    bindComponents(false);
    pressCustomHide();
    bool attachedDuringPrompt = true;
    machine.dialogs.userStep<password::TPassword_f>([&](password::TPassword_f& prompt) {
        attachedDuringPrompt = standIns.idleAttached;
        prompt.PassWord = "Secret";
        prompt.Button1Click();
    });
    pressCustomUnhide();
    EXPECT_FALSE(attachedDuringPrompt);
    EXPECT_TRUE(standIns.idleAttached);
    EXPECT_TRUE(hiddenTitles().empty());
}

// --- faults the dispatchers must not have ---

TEST_F(ActivationTest, AHidePressWhileThePromptIsOpenClosesItAndHidesAgain) {
    setPassword("Secret");
    hideAllByDefaultKey();
    const WindowId late = machine.windows.open({"Chat", machine.processes.start("C:\\Apps\\chat.exe")});
    machine.dialogs.userStep<password::TPassword_f>([&](password::TPassword_f&) { pressDefaultHide(); });
    pressDefaultUnhide();
    EXPECT_FALSE(prompt.Password_f());
    EXPECT_FALSE(isVisible(late));
    EXPECT_FALSE(isVisible(mail));
}

TEST_F(ActivationTest, AnErrorDuringAPasswordUnhideRestoresNothing) {
    setPassword("Secret");
    hideAllByDefaultKey();
    machine.dialogs.userStep([](platform::ModalWindow&) { throw std::runtime_error("the prompt's loop failed"); });
    pressDefaultUnhide();

    ASSERT_EQ(errors.size(), 1u);  // absorbed, and handed to the program's error handler
    errors.clear();
    EXPECT_EQ(hiddenTitles().size(), 3u);
    EXPECT_FALSE(isVisible(mail));
    userTypes("Secret");
    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(mail));
}

TEST_F(ActivationTest, AnErrorDuringAHideGivesEveryHiddenWindowBack) {
    selections.Action = kHideActiveAction;
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId) {
        if (call == "setForegroundWindow" && !engine.state().hiddenWindows.empty())
            throw std::runtime_error("focus failed");
    };
    pressDefaultHide();
    machine.windows.beforeEachCall = nullptr;

    ASSERT_EQ(errors.size(), 1u);
    errors.clear();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(isVisible(mail));
    EXPECT_EQ(extrasRuns(), 1);  // the dispatch carried on with its extras
}

}  // namespace
}  // namespace umbrix::hotkeys::testing
