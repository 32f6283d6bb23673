// The hotkey setup dialog in the program as it runs: a tested key acts at once through the
// program's own activation, "Apply" checks, "Default" and "Close" end the dialog, and a key that
// cannot be registered leads back to the default keys.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppTexts.hpp"
#include "app/Application.hpp"
#include "hotkeys/KeyCombination.hpp"
#include "settings/SettingsFile.hpp"
#include "sim/SimMachine.hpp"
#include "ui/HotkeySetupDialog.hpp"

namespace umbrix::ui {
namespace {

using hotkeys::KeyCombination;
using platform::MessageBoxIcon;
using platform::ModalResult;

constexpr KeyCombination kCtrlSpace = 0x4020;
constexpr KeyCombination kCtrlBackspace = 0x4008;
constexpr KeyCombination kCtrlH = 0x4048;
constexpr KeyCombination kCtrlU = 0x4055;
constexpr KeyCombination kCtrlJ = 0x404A;

using Step = std::function<void(HotkeySetupDialog&)>;

// One session: the simulated machine with an editor's window, and the program once started.
struct Session {
    Session() { letter = machine.windows.open({"Letter - Editor", machine.processes.start("C:\\Tools\\editor.exe")}); }
    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    platform::WindowId letter;
    std::unique_ptr<app::Application> application;  // goes before the machine it runs on
};

class HotkeySetupDialogTest : public ::testing::Test {
protected:
    // A new session, for each case of a table.
    void freshSession() { session = std::make_unique<Session>(); }

    void start(const std::string& settings = "") {
        machine().files.putFile(settings::settingsFilePathFor(machine().system.exePath), "[StartUp]\r\n" + settings);
        session->application = std::make_unique<app::Application>(session->ports, machine().application);
        ASSERT_EQ(session->application->start(), app::StartOutcome::Running);
    }
    sim::SimMachine& machine() { return session->machine; }
    const sim::SimMachine& machine() const { return session->machine; }
    app::ProgramRoot& program() { return *session->application->program(); }
    HotkeySetupDialog& dialog() { return *program().hotkeySetupDialog(); }
    settings::Options& options() { return program().options(); }

    // The dialog opened as "Change" opens it, with what the user does there, in order.
    ModalResult openDialog(std::vector<Step> steps) {
        for (Step& step : steps) machine().dialogs.userStep<HotkeySetupDialog>(std::move(step));
        program().showHotkeySetupDialog();
        EXPECT_TRUE(machine().dialogs.scriptDone());
        return dialog().modalResult();
    }

    void press(KeyCombination code) {
        machine().hotkeys.press(hotkeys::hotkeyModifiersOf(code), hotkeys::virtualKeyOf(code));
    }
    bool programHolds(KeyCombination code) const {
        return machine().hotkeys.programHolds(hotkeys::hotkeyModifiersOf(code), hotkeys::virtualKeyOf(code));
    }
    void holdElsewhere(KeyCombination code) {
        machine().hotkeys.holdInOtherProgram(hotkeys::hotkeyModifiersOf(code), hotkeys::virtualKeyOf(code));
    }
    bool letterVisible() { return machine().windows.isWindowVisible(session->letter); }

    struct Box {
        std::string text;
        MessageBoxIcon icon;
        std::string owner;
        friend bool operator==(const Box&, const Box&) = default;
    };
    std::vector<Box> boxes() const {
        std::vector<Box> seen;
        for (const auto& box : machine().dialogs.messageBoxes)
            seen.push_back({box.request.text, box.request.icon, box.ownerCaption});
        return seen;
    }

    std::unique_ptr<Session> session = std::make_unique<Session>();
};

TEST_F(HotkeySetupDialogTest, ATestedHideKeyHidesAtOnceAndTheDefaultHideKeyStops) {
    start();
    EXPECT_EQ(openDialog({[](HotkeySetupDialog& d) {
                              EXPECT_EQ(d.hideKeys(), kCtrlH)
                                  << "the fields start with Ctrl+H, Ctrl+U and Shift+Alt+BkSp";
                              EXPECT_EQ(d.unhideKeys(), kCtrlU);
                              EXPECT_EQ(d.exitStealthKeys(), hotkeys::kExitStealthHotkey);
                              d.testHideKey();
                          },
                          [](HotkeySetupDialog& d) { d.closeChosen(); }}),
              ModalResult::Cancel);
    EXPECT_EQ(boxes(),
              (std::vector<Box>{{"Successfully assigned \"Ctrl+H\"", MessageBoxIcon::Information, "Umbrix 7"}}));
    EXPECT_FALSE(options().useDefaultHotkeys);
    EXPECT_EQ(options().hideHotkeyText, "Ctrl+H");
    EXPECT_EQ(options().unhideHotkeyText, "CTRL+BACKSPACE");

    press(kCtrlSpace);
    EXPECT_TRUE(letterVisible()) << "the default hide key is still held by the program but does nothing";
    press(kCtrlH);
    EXPECT_FALSE(letterVisible());
    // No unhide key was tested: in custom mode neither key brings the window back yet.
    press(kCtrlBackspace);
    EXPECT_FALSE(letterVisible());

    openDialog({[](HotkeySetupDialog& d) {
                    EXPECT_FALSE(d.hideTested()) << "each opening asks for the tests again";
                    d.unhideKeys() = kCtrlJ;
                    d.testUnhideKey();
                },
                [](HotkeySetupDialog& d) { d.closeChosen(); }});
    EXPECT_EQ(options().unhideHotkeyText, "Ctrl+J");
    press(kCtrlJ);
    EXPECT_TRUE(letterVisible());
}

TEST_F(HotkeySetupDialogTest, ApplyClosesOnlyWithTwoDifferentKeysAllTested) {
    struct Case {
        const char* name;
        KeyCombination unhide;
        bool testExitStealth;
        std::vector<Box> refusal;  // empty: Apply closes
    };
    const std::vector<Case> cases = {
        {"same key twice",
         kCtrlH,
         true,
         {{"Cannot assign same hotkeys for both events.", MessageBoxIcon::Error, "Umbrix 7"}}},
        {"exit-stealth key never tested",
         kCtrlU,
         false,
         {{"Please test the assigned Hotkeys before continuing", MessageBoxIcon::Warning, "Umbrix 7"}}},
        {"all tested", kCtrlU, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshSession();
        start();
        std::vector<Step> steps = {[&](HotkeySetupDialog& d) {
            d.unhideKeys() = c.unhide;
            d.testHideKey();
            d.testUnhideKey();
            if (c.testExitStealth) d.testExitStealthKey();
            machine().dialogs.messageBoxes.clear();  // the tests' own reports
            d.apply();
        }};
        if (!c.refusal.empty())
            steps.push_back([](HotkeySetupDialog& d) {
                EXPECT_FALSE(d.isClosed()) << "refused: the dialog stays with everything as it was";
                EXPECT_TRUE(d.hideTested() && d.unhideTested());
                d.closeChosen();
            });
        const ModalResult result = openDialog(std::move(steps));
        EXPECT_EQ(boxes(), c.refusal);
        EXPECT_EQ(result, c.refusal.empty() ? ModalResult::Ok : ModalResult::Cancel);
        if (c.name == std::string("same key twice")) {
            EXPECT_TRUE(machine().dialogs.messageBoxes[0].request.taskModal);
            EXPECT_EQ(machine().dialogs.messageBoxes[0].request.caption, "Umbrix");
        }
    }
}

TEST_F(HotkeySetupDialogTest, TheExitStealthTestCountsForTheWholeRun) {
    start();
    openDialog({[](HotkeySetupDialog& d) { d.testExitStealthKey(); }, [](HotkeySetupDialog& d) { d.closeChosen(); }});
    EXPECT_EQ(openDialog({[](HotkeySetupDialog& d) {
                  d.testHideKey();
                  d.testUnhideKey();
                  d.apply();
              }}),
              ModalResult::Ok);
}

TEST_F(HotkeySetupDialogTest, DefaultRestoresTheDefaultKeysAndClosesWithoutTheChecks) {
    start("Defaults=0\r\nHkHide=Ctrl+H\r\nhkUnHide=Ctrl+U\r\n");
    ASSERT_TRUE(programHolds(kCtrlH));
    EXPECT_EQ(openDialog({[](HotkeySetupDialog& d) {
                  d.unhideKeys() = d.hideKeys();  // Apply would refuse this
                  d.restoreDefaultKeys();
              }}),
              ModalResult::Cancel);
    EXPECT_TRUE(machine().dialogs.messageBoxes.empty());
    EXPECT_TRUE(options().useDefaultHotkeys);
    EXPECT_EQ(options().hideHotkeyText, "CTRL+SPACE");
    EXPECT_EQ(options().unhideHotkeyText, "CTRL+BACKSPACE");
    EXPECT_FALSE(programHolds(kCtrlH));
    EXPECT_FALSE(programHolds(kCtrlU));
    EXPECT_TRUE(program().hotkeyComponents()->exitStealth.active()) << "the exit-stealth key is not touched";

    press(kCtrlSpace);
    EXPECT_FALSE(letterVisible());
    press(kCtrlBackspace);
    EXPECT_TRUE(letterVisible());
}

TEST_F(HotkeySetupDialogTest, AKeyAnotherProgramHoldsShowsTwoBoxesAndLeadsBackToTheDefaultKeys) {
    struct Case {
        const char* name;
        void (HotkeySetupDialog::*test)();
        std::string warning;
    };
    const std::vector<Case> cases = {
        {"hide", &HotkeySetupDialog::testHideKey,
         "Newly assigned Hotkey \"Ctrl+J\" is not available. Try a different combination. If you are having "
         "problems use the \"Default\" option instead."},
        {"unhide", &HotkeySetupDialog::testUnhideKey,
         "Newly assigned Hotkey \"Ctrl+J\" is not available. Try a different combination. Umbrix is using "
         "\"Default\" option instead."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshSession();
        holdElsewhere(kCtrlJ);
        start("Defaults=0\r\nHkHide=Ctrl+H\r\nhkUnHide=Ctrl+U\r\n");
        openDialog({[&](HotkeySetupDialog& d) {
                        d.hideKeys() = kCtrlJ;
                        d.unhideKeys() = kCtrlJ;
                        (d.*c.test)();
                        EXPECT_TRUE(d.hideTested() && d.unhideTested()) << "the default keys need no test";
                    },
                    [](HotkeySetupDialog& d) { d.closeChosen(); }});
        EXPECT_EQ(boxes(), (std::vector<Box>{
                               {"Failed to register selected hotkeys Ctrl+J Select different combination",
                                MessageBoxIcon::Error, "Umbrix 7"},
                               {c.warning, MessageBoxIcon::Warning, "Umbrix 7"},
                           }));
        EXPECT_TRUE(options().useDefaultHotkeys);
        EXPECT_EQ(options().hideHotkeyText, "CTRL+SPACE");
        EXPECT_EQ(options().unhideHotkeyText, "CTRL+BACKSPACE");
        EXPECT_FALSE(programHolds(kCtrlH)) << "both custom keys are released";
        EXPECT_FALSE(programHolds(kCtrlU));
        press(kCtrlSpace);
        EXPECT_FALSE(letterVisible());
        press(kCtrlBackspace);
        EXPECT_TRUE(letterVisible());
    }
}

TEST_F(HotkeySetupDialogTest, TheExitStealthTestReportsTheUnchangedKeyOrItsFailure) {
    start();
    openDialog({[](HotkeySetupDialog& d) {
                    d.exitStealthKeys() = kCtrlJ;  // typed into the field, never applied
                    d.testExitStealthKey();
                },
                [](HotkeySetupDialog& d) { d.closeChosen(); }});
    EXPECT_EQ(
        boxes(),
        (std::vector<Box>{{"Successfully assigned \"Shift+Alt+BkSp\"", MessageBoxIcon::Information, "Umbrix 7"}}));
    EXPECT_FALSE(programHolds(kCtrlJ));
    EXPECT_TRUE(options().useDefaultHotkeys) << "the mode does not change";

    // Taken by another program before the start: silently inactive, then reported by the test.
    freshSession();
    holdElsewhere(hotkeys::kExitStealthHotkey);
    start();
    openDialog({[](HotkeySetupDialog& d) {
                    d.testExitStealthKey();
                    EXPECT_TRUE(d.exitStealthTested());
                    EXPECT_TRUE(d.unhideTested());
                    EXPECT_FALSE(d.hideTested());
                },
                [](HotkeySetupDialog& d) { d.closeChosen(); }});
    EXPECT_EQ(boxes(), (std::vector<Box>{{"Newly assigned Hotkey \"Shift+Alt+BkSp\" is not available. Try a different "
                                          "combination. Umbrix is using \"Default\" option instead.",
                                          MessageBoxIcon::Warning, "Umbrix 7"}}));
    EXPECT_TRUE(options().useDefaultHotkeys);
}

TEST_F(HotkeySetupDialogTest, AnUnhideKeyTestedAloneLeavesNoHideKeyUntilCloseOrDefault) {
    start();
    openDialog({[](HotkeySetupDialog& d) { d.testUnhideKey(); },
                [](HotkeySetupDialog& d) {
                    d.apply();
                    EXPECT_FALSE(d.isClosed());
                    d.closeChosen();
                }});
    EXPECT_FALSE(options().useDefaultHotkeys);
    EXPECT_EQ(options().hideHotkeyText, "CTRL+SPACE") << "written only by a hide test";
    press(kCtrlSpace);
    press(kCtrlH);
    EXPECT_TRUE(letterVisible()) << "no hide key acts";
    EXPECT_TRUE(programHolds(kCtrlU)) << "Close undoes nothing";
}

TEST_F(HotkeySetupDialogTest, ADefaultKeyAnotherProgramHoldsIsReportedThenTheDialogOpens) {
    holdElsewhere(kCtrlSpace);
    machine().dialogs.userStep<HotkeySetupDialog>([](HotkeySetupDialog& d) {
        d.testHideKey();
        d.testUnhideKey();
        d.testExitStealthKey();
        d.apply();
    });
    start();
    EXPECT_TRUE(machine().dialogs.scriptDone());
    EXPECT_EQ(machine().dialogs.modalsShown, std::vector<std::string>{"Umbrix 7"});
    ASSERT_EQ(machine().dialogs.messageBoxes.size(), 4u);
    EXPECT_EQ(machine().dialogs.messageBoxes[0].request.text, app::kDefaultHotkeysNotRegisteredText);
    EXPECT_EQ(machine().dialogs.messageBoxes[0].ownerCaption, "") << "before the dialog";
    EXPECT_EQ(dialog().modalResult(), ModalResult::Ok);

    press(kCtrlH);
    EXPECT_FALSE(letterVisible());
    press(kCtrlU);
    EXPECT_TRUE(letterVisible());

    // The keys chosen there are the ones the close writes.
    machine().application.postClose();
    EXPECT_EQ(machine().application.runMessageLoop(), 0);
    settings::SettingsFile file = settings::SettingsFile::besideExecutable(session->ports);
    EXPECT_EQ(file.readString("StartUp", "Defaults", ""), "0");
    EXPECT_EQ(file.readString("StartUp", "HkHide", ""), "Ctrl+H");
    EXPECT_EQ(file.readString("StartUp", "hkUnHide", ""), "Ctrl+U");
}

}  // namespace
}  // namespace umbrix::ui
