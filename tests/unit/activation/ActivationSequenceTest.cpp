#include <algorithm>
#include <stdexcept>
#include <utility>

#include "ActivationFixture.hpp"

namespace umbrix::activation::testing {
namespace {

using platform::ShowState;

// Three applications of the user: Mail in front with a draft of it further down, Sheets
// minimized, Browser between them.
class ActivationTest : public ActivationFixture {
protected:
    void SetUp() override {
        ActivationFixture::SetUp();
        draft = open("Draft");
        browser = machine.windows.open({"Browser", machine.processes.start("C:\\Apps\\browser.exe")});
        sheets = machine.windows.open(
            {"Sheets", machine.processes.start("C:\\Apps\\sheets.exe"), true, ShowState::Minimized});
        mail = open("Mail");
        machine.windows.setForeground(mail);
        // "DoBin" makes every run of the extras visible in the journal.
        startProgram("DoBin=1\r\n" + settingsAtStart());
    }
    virtual std::string settingsAtStart() const { return ""; }

    int journalCount(const std::string& entry) const {
        return static_cast<int>(std::count(machine.journal.begin(), machine.journal.end(), entry));
    }
    int extrasRuns() const { return journalCount("shell.emptyRecycleBin"); }
    std::vector<std::string> sortedHidden() {
        auto titles = hiddenTitles();
        std::sort(titles.begin(), titles.end());
        return titles;
    }
    // "Disable CTRL+ALT+DEL" checked, in the main window's copy the engine reads as well.
    void restrictCtrlAltDel() {
        options().disableCtrlAltDel = true;
        options().disableCtrlAltDel = true;
    }
    void hideAllByDefaultKey() {
        options().action = kHideAllAction;
        pressDefaultHide();
        ASSERT_EQ(hiddenTitles().size(), 4u);
    }
    std::vector<std::string> everyTitle() const { return {"Browser", "Draft", "Mail", "Sheets"}; }

public:
    WindowId draft, browser, sheets, mail;
};

class CustomKeysTest : public ActivationTest {
protected:
    std::string settingsAtStart() const override { return kCustomKeys; }
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

// The hide hotkey of the program as it runs: whatever the action takes goes, every other window
// stays where it was.
TEST_P(HideSequenceTest, TheHideKeyRunsTheConfiguredActionThenTheExtras) {
    const HideCase& c = GetParam();
    options().action = c.action;
    pressDefaultHide();
    machine.windows.deliverPostedMessages();

    EXPECT_EQ(sortedHidden(), c.hidden);
    const std::pair<WindowId ActivationTest::*, std::string> windows[] = {
        {&ActivationTest::draft, "Draft"},
        {&ActivationTest::browser, "Browser"},
        {&ActivationTest::sheets, "Sheets"},
        {&ActivationTest::mail, "Mail"},
    };
    for (const auto& [window, title] : windows) {
        const bool closed = std::find(c.closed.begin(), c.closed.end(), window) != c.closed.end();
        const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), title) != c.hidden.end();
        EXPECT_EQ(isOpen(this->*window), !closed) << title;
        if (!closed) {
            EXPECT_EQ(isVisible(this->*window), !hidden) << title;
        }
    }
    EXPECT_EQ(engine().state().visibleWindows.empty(), c.visibleListEmpty);
    if (c.foreground) {
        EXPECT_EQ(machine.windows.foreground(), this->*(c.foreground));
    }
    EXPECT_EQ(extrasRuns(), c.extrasRun ? 1 : 0);
    EXPECT_EQ(audioMuted(), c.extrasRun);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAction, HideSequenceTest,
    ::testing::Values(
        HideCase{kHideAllAction, {"Browser", "Draft", "Mail", "Sheets"}, {}, true, nullptr, true},
        // The application in front, with its other window; the focus goes on.
        HideCase{kHideActiveAction, {"Draft", "Mail"}, {}, false, &ActivationTest::browser, true},
        HideCase{kCloseAllAction,
                 {},
                 {&ActivationTest::draft, &ActivationTest::browser, &ActivationTest::sheets, &ActivationTest::mail},
                 true,
                 nullptr,
                 true},
        // The close request is still on its way when the focus step runs: Windows hands the
        // foreground on when the window really goes. The draft stays: "CloseParent" is off.
        HideCase{kCloseActiveAction, {}, {&ActivationTest::mail}, false, nullptr, true},
        // No action: the list stays as the start built it.
        HideCase{kDoNothingAction, {}, {}, false, &ActivationTest::mail, false},
        HideCase{7, {}, {}, false, &ActivationTest::mail, true}));  // no action, yet not the do-nothing one

// With no application in front, an active-application action has nothing to act on: it hides
// and closes nothing and records nothing, so nothing waits behind the password either.
TEST_F(ActivationTest, AnActiveApplicationActionWithNothingInFrontTakesNothing) {
    const WindowId desktop =
        machine.windows.open({"Program Manager", machine.processes.start("C:\\Windows\\explorer.exe")});
    const WindowId untitled = open("");
    const WindowId invisible = machine.windows.open({"Invisible", userProcess, false});
    setPassword("Secret");
    for (std::int32_t action : {kHideActiveAction, kCloseActiveAction}) {
        for (WindowId front : {desktop, untitled, invisible}) {
            SCOPED_TRACE("action " + std::to_string(action) + ", window in front " + std::to_string(front.value));
            options().action = action;
            machine.windows.setForeground(front);
            pressDefaultHide();
            machine.windows.deliverPostedMessages();
            EXPECT_TRUE(hiddenTitles().empty());
            for (WindowId window : {draft, browser, mail, desktop, untitled}) EXPECT_TRUE(isVisible(window));
            EXPECT_FALSE(machine.files.fileExists(hiddenRecordPath()));
            pressDefaultUnhide();
            EXPECT_TRUE(machine.dialogs.modalsShown.empty()) << "no password asked for windows nobody hid";
        }
    }
}

TEST_F(ActivationTest, TheFocusStepPassesOverMinimizedAndVanishedWindows) {
    EXPECT_TRUE(activation().isWindowMinimized(sheets));
    EXPECT_FALSE(activation().isWindowMinimized(browser));
    machine.windows.destroy(browser);
    EXPECT_TRUE(activation().isWindowMinimized(browser));  // gone: never a window to bring forward

    // Nothing but minimized windows left: the focus step brings none of them forward.
    options().keepZOrder = false;  // only the focus step may set the foreground
    std::vector<WindowId> broughtForward;
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId window) {
        if (call == "setForegroundWindow") broughtForward.push_back(window);
    };
    options().action = kHideActiveAction;
    pressDefaultHide();
    machine.windows.beforeEachCall = nullptr;
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Mail", "Draft"}));
    EXPECT_TRUE(broughtForward.empty());
}

TEST_F(ActivationTest, TheDecoysWindowStaysInFrontThroughTheNextHide) {
    options().useDecoy = true;
    options().decoyProgram = kDecoyPath;
    hideAllByDefaultKey();
    EXPECT_GT(program().decoy().decoyAppHandle(), 32u);
    ASSERT_TRUE(program().decoy().decoyWindow());
    const WindowId first{*program().decoy().decoyWindow()};
    EXPECT_TRUE(isVisible(first));
    EXPECT_EQ(machine.windows.foreground(), first);
    // The engine knows the decoy's window, so the next refresh or action leaves it alone.
    EXPECT_EQ(engine().state().decoyAppHandle, first);

    // Everything back, then hidden again: the user's windows go, the decoy stays, and a new
    // one opens in front of it.
    pressDefaultUnhide();
    ASSERT_TRUE(hiddenTitles().empty());
    pressDefaultHide();
    EXPECT_EQ(sortedHidden(), everyTitle());
    EXPECT_TRUE(isVisible(first));
    ASSERT_TRUE(program().decoy().decoyWindow());
    const WindowId second{*program().decoy().decoyWindow()};
    EXPECT_NE(second, first);
    EXPECT_EQ(machine.windows.foreground(), second);
    EXPECT_EQ(decoyLaunches(), 2);
}

// The mute and the Ctrl+Alt+Del restriction last while windows are hidden, and each restore
// lifts them again, without administrator rights, once for every activation.
TEST_F(ActivationTest, UnhideWithoutPasswordRestoresAndLiftsMuteAndLockdown) {
    ASSERT_FALSE(machine.registry.administrator);
    restrictCtrlAltDel();
    for (int activation = 1; activation <= 2; ++activation) {
        SCOPED_TRACE(activation);
        hideAllByDefaultKey();
        EXPECT_TRUE(audioMuted());
        EXPECT_EQ(ctrlAltDelPolicy(), 1u);

        pressDefaultUnhide();
        EXPECT_TRUE(hiddenTitles().empty());
        EXPECT_TRUE(isVisible(mail) && isVisible(browser) && isVisible(sheets) && isVisible(draft));
        // The extras ran after the unhide, yet the user keeps the sound and the Task Manager.
        EXPECT_EQ(extrasRuns(), 2 * activation);
        EXPECT_FALSE(audioMuted());
        EXPECT_EQ(ctrlAltDelPolicy(), 0u);
    }
}

// With those options off, bringing windows back leaves a mute or a restriction of the user's
// own as it was.
TEST_F(ActivationTest, ARestoreLiftsTheMuteAndTheRestrictionOnlyWhenTheirOptionsAreSet) {
    options().muteAudio = false;
    machine.audio.endpointMuted = true;
    ASSERT_TRUE(machine.registry.writeValue(platform::RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr",
                                            platform::RegistryValue::ofDWord(1)));
    hideAllByDefaultKey();
    pressDefaultUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(audioMuted());
    EXPECT_EQ(ctrlAltDelPolicy(), 1u);
}

enum class PromptAnswer { RightPassword, Cancel, PasswordChangedWhileTyping };

struct PromptCase {
    const char* name;
    PromptAnswer answer;
    bool restored;
    int extrasRunsAfterUnhide;
    bool promptKept;
};

class UnhidePromptTest : public ActivationTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(UnhidePromptTest, UnhideWithPasswordAnsweredByTheUser) {
    const PromptCase& c = GetParam();
    setPassword("Secret");
    restrictCtrlAltDel();
    hideAllByDefaultKey();
    switch (c.answer) {
        case PromptAnswer::RightPassword: userTypes("Secret"); break;
        case PromptAnswer::Cancel: userCancelsPrompt(); break;
        case PromptAnswer::PasswordChangedWhileTyping:
            // OK with the password of a moment ago: the whole dispatch ends, the extras included.
            machine.dialogs.userStep<password::UnlockPrompt>([this](password::UnlockPrompt& prompt) {
                prompt.typedPassword = "Secret";
                prompt.confirm();
                program().password().replace(store.writePassword("Newer", "").hash);
            });
            break;
    }
    pressDefaultUnhide();

    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    EXPECT_EQ(hiddenTitles().empty(), c.restored);
    EXPECT_EQ(isVisible(mail), c.restored);
    EXPECT_EQ(extrasRuns(), 1 + c.extrasRunsAfterUnhide);
    // Muted and locked exactly while windows stay hidden.
    EXPECT_EQ(audioMuted(), !c.restored);
    EXPECT_EQ(ctrlAltDelPolicy(), c.restored ? 0u : 1u);
    EXPECT_EQ(program().unlockPrompt().shownPrompt() != nullptr, c.promptKept);
}

INSTANTIATE_TEST_SUITE_P(Answers, UnhidePromptTest,
                         ::testing::Values(PromptCase{"RightPassword", PromptAnswer::RightPassword, true, 1, true},
                                           PromptCase{"Cancel", PromptAnswer::Cancel, false, 1, false},
                                           PromptCase{"PasswordChangedWhileTyping",
                                                      PromptAnswer::PasswordChangedWhileTyping, false, 0, false}),
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
    options().action = kDoNothingAction;
    const int runs = extrasRuns();
    pressDefaultHide();
    activation().activateFromPanicButton();
    EXPECT_EQ(extrasRuns(), runs);

    pressDefaultUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(isVisible(mail));
    EXPECT_EQ(extrasRuns(), runs);
}

// Whatever starts an activation, the record of the hidden windows is written again when it
// ends: the panic button's click too, through either dispatcher, even when it hid nothing new.
TEST_F(ActivationTest, ThePanicButtonsClickBringsTheHiddenWindowRecordUpToDate) {
    const WindowId desktop =
        machine.windows.open({"Program Manager", machine.processes.start("C:\\Windows\\explorer.exe")});
    hideAllByDefaultKey();
    for (std::int32_t action : {kDoNothingAction, kHideAllAction, kHideActiveAction}) {
        SCOPED_TRACE("action " + std::to_string(action));
        options().action = action;
        program().lastActiveWindow().LastActiveHandle = desktop;  // nothing to take in front
        ASSERT_TRUE(machine.files.deleteFile(hiddenRecordPath()));  // a record gone stale
        activation().activateFromPanicButton();
        EXPECT_EQ(hiddenTitles().size(), 4u);
        EXPECT_TRUE(machine.files.fileExists(hiddenRecordPath()));
    }
}

TEST_F(CustomKeysTest, CustomModeIgnoresTheDefaultKeysAndDefaultModeTheCustomHide) {
    pressDefaultHide();
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_EQ(extrasRuns(), 0);
    pressCustomHide();
    EXPECT_EQ(hiddenTitles().size(), 4u);
    pressDefaultUnhide();
    EXPECT_EQ(hiddenTitles().size(), 4u);
    pressCustomUnhide();
    EXPECT_TRUE(hiddenTitles().empty());

    // Back in default mode, a custom hide component still live does nothing; its unhide
    // counterpart still gives the windows back.
    options().useDefaultHotkeys = true;
    pressCustomHide();
    EXPECT_TRUE(hiddenTitles().empty());
    pressDefaultHide();
    ASSERT_EQ(hiddenTitles().size(), 4u);
    pressCustomUnhide();
    EXPECT_TRUE(hiddenTitles().empty());
}

TEST_F(CustomKeysTest, ThePanicButtonActsInBothModesOnTheWindowTheUserWorkedIn) {
    // The click made the panic button the foreground window; the user worked in Browser before.
    const WindowId panicButton = machine.windows.open({"", machine.processes.start(machine.system.exePath)});
    machine.windows.setForeground(panicButton);
    program().lastActiveWindow().LastActiveHandle = browser;

    options().action = kHideActiveAction;
    activation().activateFromPanicButton();
    EXPECT_EQ(hiddenTitles(), std::vector<std::string>{"Browser"});
    EXPECT_TRUE(isVisible(panicButton));

    pressCustomUnhide();
    options().action = kHideAllAction;  // through the default dispatcher, custom mode or not
    activation().activateFromPanicButton();
    EXPECT_EQ(sortedHidden(), everyTitle());
    EXPECT_TRUE(isVisible(panicButton));
    EXPECT_EQ(extrasRuns(), 3);
}

class BothModesTest : public ActivationTest, public ::testing::WithParamInterface<bool> {
protected:
    bool useDefaultKeys() const { return GetParam(); }
    std::string settingsAtStart() const override { return useDefaultKeys() ? "" : kCustomKeys; }
    void pressHide() { useDefaultKeys() ? pressDefaultHide() : pressCustomHide(); }
    void pressUnhide() { useDefaultKeys() ? pressDefaultUnhide() : pressCustomUnhide(); }
};

TEST_P(BothModesTest, TheExitStealthKeyBringsTheIconBackWithoutExtras) {
    options().alwaysHideTrayIcon = true;
    options().alwaysHideTrayIcon = true;
    pressHide();
    ASSERT_FALSE(program().trayIcon().active());
    const int runs = extrasRuns();

    pressExitStealth();
    EXPECT_TRUE(program().trayIcon().active());
    EXPECT_EQ(extrasRuns(), runs);
    EXPECT_EQ(hiddenTitles().size(), 4u);
}

// Each hide opens the decoy anew once its action is done, before the extras run.
TEST_P(BothModesTest, EveryHideStartsTheDecoyAfterTheActionAndBeforeTheExtras) {
    options().useDecoy = true;
    options().decoyProgram = kDecoyPath;
    for (int hide = 1; hide <= 2; ++hide) {
        SCOPED_TRACE(hide);
        const std::size_t before = machine.journal.entries().size();
        pressHide();
        ASSERT_EQ(hiddenTitles().size(), 4u);
        const std::vector<std::string> calls = machine.journal.since(before);
        const auto launch = std::find(calls.begin(), calls.end(), "shell.execute " + kDecoyPath);
        const auto mute = std::find(calls.begin(), calls.end(), "audio.setEndpointMute on");
        ASSERT_NE(launch, calls.end());
        ASSERT_NE(mute, calls.end());
        EXPECT_LT(launch, mute);
        EXPECT_EQ(decoyLaunches(), hide);
        pressUnhide();
    }
}

// An impatient second unhide press while the prompt is open, as its modal loop delivers it.
TEST_P(BothModesTest, ASecondUnhidePressWhileThePromptIsOpenRestoresNothingAndKeepsThePrompt) {
    setPassword("Secret");
    pressHide();
    ASSERT_EQ(hiddenTitles().size(), 4u);
    const int runs = extrasRuns();

    bool restoredMeanwhile = true, promptStayed = false;
    machine.dialogs.userStep<password::UnlockPrompt>([&](password::UnlockPrompt& open) {
        pressUnhide();
        restoredMeanwhile = hiddenTitles().size() != 4u || isVisible(mail);
        promptStayed = program().unlockPrompt().isOpen() && !open.isClosed();
        open.typedPassword = "Secret";
        open.confirm();
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

TEST_F(CustomKeysTest, TheIdleHandlerIsDetachedWhileThePromptIsUp) {
    setPassword("Secret");
    pressCustomHide();
    bool attachedDuringPrompt = true;
    machine.dialogs.userStep<password::UnlockPrompt>([&](password::UnlockPrompt& prompt) {
        attachedDuringPrompt = program().idleTracking().attached();
        prompt.typedPassword = "Secret";
        prompt.confirm();
    });
    pressCustomUnhide();
    EXPECT_FALSE(attachedDuringPrompt);
    EXPECT_TRUE(program().idleTracking().attached());
    EXPECT_TRUE(hiddenTitles().empty());
}

// --- faults the dispatchers must not have ---

TEST_F(ActivationTest, AHidePressWhileThePromptIsOpenClosesItAndHidesAgain) {
    setPassword("Secret");
    hideAllByDefaultKey();
    const WindowId late = machine.windows.open({"Chat", machine.processes.start("C:\\Apps\\chat.exe")});
    machine.dialogs.userStep<password::UnlockPrompt>([&](password::UnlockPrompt&) { pressDefaultHide(); });
    pressDefaultUnhide();
    EXPECT_FALSE(program().unlockPrompt().shownPrompt());
    EXPECT_FALSE(isVisible(late));
    EXPECT_FALSE(isVisible(mail));
}

TEST_F(ActivationTest, AnErrorDuringAPasswordUnhideRestoresNothing) {
    setPassword("Secret");
    hideAllByDefaultKey();
    machine.dialogs.userStep([](platform::ModalWindow&) { throw std::runtime_error("the prompt's loop failed"); });
    pressDefaultUnhide();

    EXPECT_EQ(newErrors(), 1);  // absorbed, and handed to the program's error handler
    EXPECT_EQ(hiddenTitles().size(), 4u);
    EXPECT_FALSE(isVisible(mail));
    userTypes("Secret");
    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(mail));
}

// An error that ends a hide gives back what that hide took. Windows hidden before come back
// with them only while no password guards them: the error is no way around the prompt.
TEST_F(ActivationTest, AnErrorDuringAHideGivesBackWhatItTookAndWhatNoPasswordGuards) {
    struct Case {
        bool password;
        std::vector<std::string> stillHidden;
    } cases[] = {{false, {}}, {true, {"Browser", "Draft", "Mail", "Sheets"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password ? "with a password" : "without a password");
        if (c.password) setPassword("Secret");
        hideAllByDefaultKey();
        const WindowId chat = machine.windows.open({"Chat", machine.processes.start("C:\\Apps\\chat.exe")});
        options().action = kHideActiveAction;
        // The inventory's refresh after the action fails, once: Chat is hidden by then.
        bool failed = false;
        machine.windows.beforeEachCall = [&](std::string_view call, WindowId) {
            if (call != "enumWindows" || isVisible(chat) || std::exchange(failed, true)) return;
            throw std::runtime_error("the refresh failed");
        };
        const int runs = extrasRuns();
        pressDefaultHide();
        machine.windows.beforeEachCall = nullptr;

        EXPECT_EQ(newErrors(), 1);
        EXPECT_TRUE(isVisible(chat));
        EXPECT_EQ(sortedHidden(), c.stillHidden);
        EXPECT_EQ(isVisible(mail), !c.password);
        EXPECT_EQ(extrasRuns(), runs + 1) << "the dispatch carried on with its extras";

        machine.windows.destroy(chat);
        if (c.password) userTypes("Secret");
        pressDefaultUnhide();
        ASSERT_TRUE(hiddenTitles().empty());
    }
}

}  // namespace
}  // namespace umbrix::activation::testing
