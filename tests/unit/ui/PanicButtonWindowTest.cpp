// The panic button in the program as it runs: its place, size, label and opacity at the start
// (a place on no monitor now is mended), a click running the configured action on the window the
// user worked in, its menu, the move and the tray's entry and the main window's controls.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "password/PasswordStore.hpp"
#include "password/PromptUser.hpp"
#include "settings/SettingsFile.hpp"
#include "sim/SimMachine.hpp"
#include "ui/InputBox.hpp"
#include "ui/PanicButtonWindow.hpp"
#include "ui/main/MainWindow.hpp"

namespace umbrix::ui {
namespace {

using platform::WindowBounds;
using platform::WindowId;
constexpr std::uint32_t kRightButtonUp = 0x0205;

class PanicButtonTest : public ::testing::Test {
protected:
    PanicButtonTest() {
        editor = machine.processes.start("C:\\Tools\\editor.exe");
        sheets = machine.processes.start("C:\\Tools\\sheets.exe");
        letter = machine.windows.open({"Letter - Editor", editor});
        budget = machine.windows.open({"Budget - Sheets", sheets});
    }

    void start(const std::string& settings = "") {
        machine.files.putFile(settings::settingsFilePathFor(machine.system.exePath), "[StartUp]\r\n" + settings);
        application = std::make_unique<app::Application>(ports, machine.application);
        ASSERT_EQ(application->start(), app::StartOutcome::Running);
    }
    std::string settingsText() {
        return machine.files.readFile(settings::settingsFilePathFor(machine.system.exePath)).value_or("");
    }
    app::ProgramRoot& program() { return *application->program(); }
    PanicButtonWindow& panic() { return *program().panicWindow(); }
    const sim::SimApplication::HostedWindow& hosted() {
        const auto* window = machine.application.hostedWindow(panic());
        EXPECT_NE(window, nullptr) << "the panic button is not open";
        static const sim::SimApplication::HostedWindow none;
        return window ? *window : none;
    }
    bool press() {
        return machine.application.userClicks<PanicButtonWindow>([](PanicButtonWindow& w) { w.press(); });
    }
    // The user right-clicks the button and chooses `command` (0: dismisses the menu).
    bool choose(PanicMenuCommand command) {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(command));
        return machine.application.userClicks<PanicButtonWindow>([](PanicButtonWindow& w) { w.openMenu(); });
    }
    // The user works in `window`, and the program has an idle moment.
    void userWorksIn(WindowId window) {
        machine.windows.setForeground(window);
        program().idleTracking().onIdle();
    }
    bool visible(WindowId window) { return machine.windows.isWindowVisible(window); }
    bool askedToClose(WindowId window) {
        const auto* found = machine.windows.find(window);
        return !found || found->closeRequests > 0;
    }
    void setPassword(const std::string& password) {
        password::PasswordStore store{machine.registry, machine.crypto, std::string(password::kPasswordBaseKey),
                                      /*iterations=*/5};
        ASSERT_EQ(store.writePassword(password, "").result, password::PasswordSaveResult::Saved);
    }
    void chooseFromTray(app::TrayCommand command) {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(command));
        machine.tray.click(1, kRightButtonUp);
    }
    bool trayEntryChecked() {
        machine.application.menuChoices.push_back(0);
        machine.tray.click(1, kRightButtonUp);
        for (const auto& entry : machine.application.menusShown.back())
            if (entry.caption == "Show Panic Button on the desktop") return entry.checked;
        ADD_FAILURE() << "no \"Show Panic Button on the desktop\" in the tray menu";
        return false;
    }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    platform::ProcessId editor, sheets;
    WindowId letter, budget;
    std::unique_ptr<app::Application> application;
};

TEST_F(PanicButtonTest, AFirstStartShowsItAtTheTopLeftOfTheVirtualDesktopWithTheDefaultLabel) {
    // A second monitor left of the primary one: the virtual desktop starts there.
    machine.system.desktopOrigin = {-1280, -200};
    machine.system.attachedMonitors.push_back({{-1280, -200, 0, 824}, {-1280, -200, 0, 824}, false});
    start("Silent=1\r\n");

    EXPECT_TRUE(hosted().visible) << "shown even at a silent start";
    EXPECT_FALSE(hosted().focused) << "the user's window keeps the focus";
    EXPECT_EQ(hosted().bounds, (WindowBounds{-1280, -200, 369, 80}));
    EXPECT_EQ(hosted().alpha, 230) << "the slider's default, 1";
    EXPECT_EQ(panic().label(), "Hi, I'm the \"Panic Button\". You can move me, change me, rename me.");
    EXPECT_EQ(panic().handle(), hosted().id);
    EXPECT_EQ(program().engineLinks().panicWindowHandle(), hosted().id);
    EXPECT_EQ(program().engineLinks().mainWindowHandle(),
              machine.application.hostedWindow(*program().mainWindow())->id);
}

struct PlaceCase {
    const char* name;
    std::string stored;
    WindowBounds expected;
};

class StoredPlace : public PanicButtonTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(StoredPlace, IsKeptOnAnyMonitorAndMendedOnNone) {
    // The primary monitor and one to its right; the task bar at the top of the primary one.
    machine.system.attachedMonitors = {{{0, 0, 1920, 1080}, {0, 40, 1920, 1080}, true},
                                       {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}, false}};
    start(GetParam().stored);
    EXPECT_EQ(hosted().bounds, GetParam().expected);
    // What the close writes is where the window is.
    machine.application.postClose();
    machine.application.runMessageLoop();
    const WindowBounds& e = GetParam().expected;
    EXPECT_THAT(settingsText(),
                ::testing::HasSubstr("PanicLeft=" + std::to_string(e.x) + "\r\nPanicTop=" + std::to_string(e.y)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredPlace,
    ::testing::Values(PlaceCase{"OnThePrimaryMonitor",
                                "PanicLeft=300\r\nPanicTop=500\r\nPanicWidth=200\r\nPanicHeight=60\r\n",
                                {300, 500, 200, 60}},
                      PlaceCase{"OnTheSecondMonitor",
                                "PanicLeft=2500\r\nPanicTop=900\r\nPanicWidth=200\r\nPanicHeight=60\r\n",
                                {2500, 900, 200, 60}},
                      PlaceCase{"PartlyOnAMonitor",
                                "PanicLeft=-150\r\nPanicTop=10\r\nPanicWidth=200\r\nPanicHeight=60\r\n",
                                {-150, 10, 200, 60}},
                      // A third monitor, unplugged since: the primary monitor's work area, the size kept.
                      PlaceCase{"OnAMonitorUnpluggedSince",
                                "PanicLeft=-1000\r\nPanicTop=300\r\nPanicWidth=200\r\nPanicHeight=60\r\n",
                                {0, 40, 200, 60}},
                      PlaceCase{"BelowEveryMonitor", "PanicLeft=100\r\nPanicTop=5000\r\n", {0, 40, 369, 80}},
                      // A window of no size could never be found again.
                      PlaceCase{"WithoutASize",
                                "PanicLeft=100\r\nPanicTop=100\r\nPanicWidth=0\r\nPanicHeight=-5\r\n",
                                {100, 100, 369, 80}}),
    [](const auto& info) { return info.param.name; });

TEST_F(PanicButtonTest, OpacityFollowsTheSliderByTheTableAtOnce) {
    const int table[] = {255, 230, 204, 179, 153, 128, 102, 77, 51, 26, 0};
    for (int position = 0; position <= 10; ++position)
        EXPECT_EQ(panicButtonOpacity(position), table[position]) << "position " << position;

    start("Transparancy=4\r\n");
    EXPECT_EQ(hosted().alpha, 153) << "the stored position at the start";
    program().mainWindow()->setPanicButtonTransparency(10);
    EXPECT_EQ(hosted().alpha, 0);
    EXPECT_TRUE(hosted().visible) << "fully transparent, still there";
    program().mainWindow()->setPanicButtonTransparency(1);
    EXPECT_EQ(hosted().alpha, 230);
}

struct ClickCase {
    const char* name;
    std::int32_t action;
    bool alwaysHide;
    bool letterGoes;  // the window the user worked in before the click
    bool budgetGoes;  // the other one, in front at the moment of the click
    bool closes;  // by WM_CLOSE rather than hidden
};

class Click : public PanicButtonTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(Click, RunsTheConfiguredActionOnTheWindowTheUserWorkedInBefore) {
    const ClickCase& c = GetParam();
    start("Silent=1\r\nAction=" + std::to_string(c.action) + "\r\nHidePanic=" + (c.alwaysHide ? "1" : "0") + "\r\n");
    userWorksIn(budget);
    userWorksIn(letter);
    // At the click another window is in the foreground (on Windows the panic button itself): the
    // active-window actions take the window recorded before the click, never the foreground one.
    machine.windows.setForeground(budget);
    ASSERT_TRUE(press());

    auto gone = [&](WindowId w) { return c.closes ? askedToClose(w) : !visible(w); };
    EXPECT_EQ(gone(letter), c.letterGoes);
    EXPECT_EQ(gone(budget), c.budgetGoes);
    EXPECT_EQ(hosted().visible, !c.alwaysHide);
    EXPECT_EQ(program().hasHiddenWindows(), !c.closes && (c.letterGoes || c.budgetGoes));
}

INSTANTIATE_TEST_SUITE_P(Actions, Click,
                         ::testing::Values(ClickCase{"HideAll", 0, false, true, true, false},
                                           ClickCase{"HideActive", 1, false, true, false, false},
                                           ClickCase{"CloseAll", 2, false, true, true, true},
                                           ClickCase{"CloseActive", 3, false, true, false, true},
                                           ClickCase{"DoNothing", 4, false, false, false, false},
                                           ClickCase{"AlwaysHideThenHideActive", 1, true, true, false, false},
                                           ClickCase{"AlwaysHideThenDoNothing", 4, true, false, false, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PanicButtonTest, TheMenuHasEveryEntryWithOpenMainWindowAsItsDefault) {
    start("Silent=1\r\n");
    ASSERT_TRUE(choose(PanicMenuCommand{0}));
    const auto& menu = machine.application.menusShown.back();
    std::vector<std::string> captions;
    for (const auto& entry : menu) captions.push_back(entry.caption);
    EXPECT_THAT(captions, ::testing::ElementsAre("Open main window", "", "Panic Button", "Hide the Panic button", "",
                                                 "Restore hidden windows", "", "Close Umbrix"));
    EXPECT_TRUE(menu[0].isDefault);
    std::vector<std::string> submenu;
    for (const auto& entry : menu[2].submenu) submenu.push_back(entry.caption);
    EXPECT_THAT(submenu, ::testing::ElementsAre("Change label ", "Resize", "Move or Resize"));

    ASSERT_TRUE(choose(PanicMenuCommand::OpenMainWindow));
    EXPECT_TRUE(program().mainWindow()->visible());
    ASSERT_TRUE(choose(PanicMenuCommand::Hide));
    EXPECT_FALSE(hosted().visible);
    EXPECT_FALSE(press()) << "a hidden button takes no click";
}

TEST_F(PanicButtonTest, ChangeLabelTakesTheTypedTextAndACancelGivesThePreset) {
    start("Silent=1\r\nbtnPanic=Go\r\n");
    EXPECT_EQ(panic().label(), "Go");
    std::string caption, prompt, preset;
    machine.dialogs.userStep<InputBox>([&](InputBox& box) {
        caption = box.caption();
        prompt = box.prompt();
        preset = box.text();
        box.setText("Boss!");
        box.okChosen();
    });
    ASSERT_TRUE(choose(PanicMenuCommand::ChangeLabel));
    EXPECT_EQ(caption, "Change Panic button description");
    EXPECT_EQ(prompt, "Enter the new description in space provided");
    EXPECT_EQ(preset, "Umbrix - Panic Button");
    EXPECT_EQ(panic().label(), "Boss!");

    machine.dialogs.userStep<InputBox>([](InputBox& box) {
        box.setText("typed, then thought better of it");
        box.cancelChosen();
    });
    ASSERT_TRUE(choose(PanicMenuCommand::ChangeLabel));
    EXPECT_EQ(panic().label(), "Umbrix - Panic Button");
    machine.application.postClose();
    machine.application.runMessageLoop();
    EXPECT_THAT(settingsText(), ::testing::HasSubstr("btnPanic=Umbrix - Panic Button\r\n"));
}

struct RestoreCase {
    const char* name;
    bool hide;  // windows are hidden when the user chooses the entry
    const char* password;  // "": none set
    int prompt;  // 0: no prompt expected; 1: the right password; 2: a wrong one; 3: Cancel
    bool shown;  // the letter is visible afterwards
};

class RestoreEntry : public PanicButtonTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreEntry, ShowsTheHiddenWindowsThroughThePasswordWhenItGuardsThem) {
    const RestoreCase& c = GetParam();
    if (*c.password) setPassword(c.password);
    start(std::string("Silent=1\r\nUsePW=") + (*c.password ? "1" : "0") + "\r\n");
    if (c.hide) {
        ASSERT_TRUE(press());  // hide all
        ASSERT_FALSE(visible(letter));
    }
    if (c.prompt == 1) password::testing::userTypesIntoPrompt(machine.dialogs, c.password);
    if (c.prompt == 2) password::testing::userTypesIntoPrompt(machine.dialogs, "guess");
    if (c.prompt == 3) password::testing::userCancelsPrompt(machine.dialogs);
    const std::size_t dialogsBefore = machine.dialogs.modalsShown.size();
    ASSERT_TRUE(choose(PanicMenuCommand{0}));
    EXPECT_EQ(machine.application.menusShown.back().front().enabled, !(c.hide && *c.password))
        << "\"Open main window\" follows the tray's rule: not while the password guards hidden windows";

    ASSERT_TRUE(choose(PanicMenuCommand::RestoreHiddenWindows));
    EXPECT_TRUE(machine.dialogs.scriptDone()) << "the prompt came up as expected";
    if (c.prompt == 0) {
        EXPECT_EQ(machine.dialogs.modalsShown.size(), dialogsBefore) << "no window came up";
    }
    EXPECT_EQ(visible(letter), c.shown);
    EXPECT_EQ(program().hasHiddenWindows(), c.hide && !c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, RestoreEntry,
                         ::testing::Values(RestoreCase{"NothingHidden", false, "", 0, true},
                                           RestoreCase{"NothingHiddenWithAPassword", false, "secret", 0, true},
                                           RestoreCase{"NoPassword", true, "", 0, true},
                                           RestoreCase{"RightPassword", true, "secret", 1, true},
                                           RestoreCase{"WrongPassword", true, "secret", 2, false},
                                           RestoreCase{"Cancelled", true, "secret", 3, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PanicButtonTest, TheEndOfADragKeepsThePlaceAndTakesTheBorderAndBothMarksAway) {
    start("Silent=1\r\n");
    ASSERT_TRUE(choose(PanicMenuCommand::MoveOrResize));
    EXPECT_TRUE(panic().moveOrResizeChecked());
    EXPECT_TRUE(hosted().sizingBorder);
    ASSERT_TRUE(choose(PanicMenuCommand::Resize));
    EXPECT_TRUE(panic().resizeChecked());
    EXPECT_TRUE(hosted().sizingBorder);
    ASSERT_TRUE(choose(PanicMenuCommand::Resize));
    EXPECT_FALSE(panic().resizeChecked());
    EXPECT_FALSE(hosted().sizingBorder) << "an entry unchecked takes the border away";
    ASSERT_TRUE(choose(PanicMenuCommand::Resize));
    ASSERT_TRUE(hosted().sizingBorder);

    ASSERT_TRUE(machine.application.moveOrSize(panic(), {640, 480, 300, 90}));
    EXPECT_FALSE(hosted().sizingBorder);
    EXPECT_FALSE(panic().moveOrResizeChecked());
    EXPECT_FALSE(panic().resizeChecked());
    // Another monitor's scale leaves the place where the user put it.
    ASSERT_TRUE(machine.application.changeDpi(panic(), 192, {640, 480, 600, 180}));
    EXPECT_EQ(hosted().bounds, (WindowBounds{640, 480, 300, 90}));

    machine.application.postClose();
    machine.application.runMessageLoop();
    EXPECT_THAT(settingsText(), ::testing::HasSubstr("PanicLeft=640\r\nPanicTop=480\r\n"));
    EXPECT_THAT(settingsText(), ::testing::HasSubstr("PanicHeight=90\r\nPanicWidth=300\r\n"));
}

TEST_F(PanicButtonTest, TheTrayEntryAndTheMainWindowsButtonShowAndHideIt) {
    start("Silent=1\r\n");
    MainWindow& main = *program().mainWindow();
    EXPECT_FALSE(trayEntryChecked()) << "the mark starts cleared, the button shown or not";
    EXPECT_EQ(main.panicButtonToggleCaption(), "Hide");

    chooseFromTray(app::TrayCommand::ShowPanicButton);
    EXPECT_TRUE(trayEntryChecked());
    EXPECT_TRUE(hosted().visible);
    chooseFromTray(app::TrayCommand::ShowPanicButton);
    EXPECT_FALSE(trayEntryChecked());
    EXPECT_FALSE(hosted().visible);
    EXPECT_EQ(main.panicButtonToggleCaption(), "Show");

    main.togglePanicButton();
    EXPECT_TRUE(hosted().visible);
    EXPECT_FALSE(trayEntryChecked()) << "a show by other means sets no mark";
    chooseFromTray(app::TrayCommand::ShowPanicButton);
    ASSERT_TRUE(trayEntryChecked());
    main.togglePanicButton();
    EXPECT_FALSE(hosted().visible);
    EXPECT_FALSE(trayEntryChecked()) << "any hide clears the mark";
}

TEST_F(PanicButtonTest, CloseUmbrixClosesTheMainWindowAndEndsTheProgram) {
    start();
    ASSERT_TRUE(program().mainWindow()->visible());
    ASSERT_TRUE(choose(PanicMenuCommand::CloseProgram));
    EXPECT_TRUE(application->terminated());
    EXPECT_THAT(settingsText(), ::testing::HasSubstr("PanicWidth=369"));
}

}  // namespace
}  // namespace umbrix::ui
