// Stealth mode in the program as it runs: the tray menu's entries, and the exit-stealth hotkey
// through the program's own dispatch.
#include <gtest/gtest.h>

#include <memory>

#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "hotkeys/KeyCombination.hpp"
#include "sim/SimMachine.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::app {
namespace {

using hotkeys::kExitStealthHotkey;
using platform::MessageBoxResult;

constexpr std::uint32_t kBackspace = 0x08;

class StealthModeTest : public ::testing::Test {
protected:
    // The program's start, in the session as the test has arranged it, with these QZ.ini lines.
    void start(const std::string& settings = "") {
        machine.files.putFile(settings::settingsFilePathFor(machine.system.exePath), "[StartUp]\r\n" + settings);
        application = std::make_unique<Application>(ports, machine.application);
        ASSERT_EQ(application->start(), StartOutcome::Running);
    }
    ProgramRoot& program() { return *application->program(); }
    StealthMode& stealth() { return *program().stealthMode(); }
    // The user chooses a tray menu entry.
    void choose(TrayCommand command) {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(command));
        machine.tray.click(1, 0x0205);
    }
    void enterStealthMode() {
        machine.dialogs.userAnswers(MessageBoxResult::Yes);
        choose(TrayCommand::StealthMode);
    }
    void pressExitStealth() {
        machine.hotkeys.press(hotkeys::hotkeyModifiersOf(kExitStealthHotkey),
                              hotkeys::virtualKeyOf(kExitStealthHotkey));
    }
    // What every activation prepares shows here: with administrator rights and "Disable Task
    // Manager" checked, the preparation writes the Task Manager policy.
    void watchThePreparation() {
        machine.registry.administrator = true;
        program().options().disableTaskManager = true;
    }
    bool prepared() {
        return machine.registry
            .readValue(platform::RegistryRoot::CurrentUser,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", "DisableTaskMgr")
            .has_value();
    }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    std::unique_ptr<Application> application;
};

TEST_F(StealthModeTest, TheConfirmationNamesTheExitKeyAndAsksYesNoOrCancel) {
    start();
    machine.dialogs.userAnswers(MessageBoxResult::No);
    choose(TrayCommand::StealthMode);
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    const auto& box = machine.dialogs.messageBoxes[0].request;
    EXPECT_EQ(box.text,
              "In stealth mode traces of the application are hidden. Press Shift+Alt+BkSp to exit stealt mode. Do you "
              "want to continue?");
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::YesNoCancel);
    EXPECT_EQ(box.icon, platform::MessageBoxIcon::None);
    EXPECT_TRUE(box.taskModal);
}

TEST_F(StealthModeTest, OnlyYesEntersStealthModeAfterThePreparationOfAnActivation) {
    start();
    watchThePreparation();
    for (MessageBoxResult answer : {MessageBoxResult::No, MessageBoxResult::Cancel}) {
        machine.dialogs.userAnswers(answer);
        choose(TrayCommand::StealthMode);
        EXPECT_FALSE(stealth().active());
        EXPECT_TRUE(machine.tray.shows(1));
        EXPECT_FALSE(prepared());
    }
    enterStealthMode();
    EXPECT_TRUE(stealth().active());
    EXPECT_FALSE(machine.tray.shows(1));
    EXPECT_TRUE(prepared());
}

class EitherHotkeyMode : public StealthModeTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EitherHotkeyMode, TheExitStealthHotkeyBringsTheIconBack) {
    start(GetParam() ? "" : "Defaults=0\r\nHkHide=Ctrl+H\r\nhkUnHide=Ctrl+U\r\n");
    enterStealthMode();
    ASSERT_TRUE(stealth().active());
    pressExitStealth();
    EXPECT_FALSE(stealth().active());
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(machine.tray.icons.at(1), program().trayIcon().data());
    EXPECT_EQ(application->errors().discardedCount(), 0) << application->errors().lastDiscarded();
}

INSTANTIATE_TEST_SUITE_P(Modes, EitherHotkeyMode, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "DefaultKeys" : "CustomKeys");
});

TEST_F(StealthModeTest, TheExitStealthHotkeyChangesNothingWhileTheIconIsShown) {
    start();
    const int requests = machine.tray.requests;
    pressExitStealth();
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(machine.tray.requests, requests);
}

TEST_F(StealthModeTest, WithoutItsExitHotkeyStealthModeIsRefusedUntilTheKeyIsFree) {
    // Another program holds Shift+Alt+Backspace from before the start.
    machine.hotkeys.holdInOtherProgram(hotkeys::hotkeyModifiersOf(kExitStealthHotkey), kBackspace);
    start();
    ASSERT_FALSE(program().hotkeyComponents()->exitStealth.active());
    watchThePreparation();

    enterStealthMode();
    EXPECT_FALSE(stealth().active());
    EXPECT_FALSE(prepared());
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.messageBoxes[1].request.caption, "Error");
    EXPECT_NE(machine.dialogs.messageBoxes[1].request.text.find("Shift+Alt+BkSp"), std::string::npos);

    // Once the other program lets go, entering stealth mode registers the key and goes ahead,
    // and the key brings the icon back.
    machine.hotkeys.releaseInOtherProgram(hotkeys::hotkeyModifiersOf(kExitStealthHotkey), kBackspace);
    enterStealthMode();
    EXPECT_TRUE(program().hotkeyComponents()->exitStealth.active());
    EXPECT_TRUE(stealth().active());
    pressExitStealth();
    EXPECT_FALSE(stealth().active());
}

TEST_F(StealthModeTest, NormalOperationBringsTheIconBack) {
    start();
    enterStealthMode();
    // The tray menu's entry, as the panic window's menu will reach it while the icon is gone.
    application->controller()->returnToNormalOperation();
    EXPECT_FALSE(stealth().active());
    EXPECT_TRUE(machine.tray.shows(1));
}

// A shell that is busy when the key asks for the icon is asked again until it answers.
TEST_F(StealthModeTest, TheExitStealthHotkeyWaitsOutAShellThatIsStillStarting) {
    start();
    enterStealthMode();
    machine.tray.failNext(sim::TrayRequest::Add, platform::errors::kTimeout);
    pressExitStealth();
    EXPECT_FALSE(machine.tray.shows(1));
    machine.tray.letTimePass(app::TrayIconPresence::kRetryIntervalMilliseconds);
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_FALSE(stealth().active());
}

}  // namespace
}  // namespace umbrix::app
