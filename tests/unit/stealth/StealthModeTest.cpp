#include <gtest/gtest.h>

#include "app/StealthMode.hpp"
#include "hotkeys/HotKeyComponents.hpp"
#include "platform/sim/SimMachine.hpp"

namespace umbrix::app {
namespace {

using hotkeys::ActivationSender;
using hotkeys::kExitStealthHotKey;
using platform::MessageBoxResult;

// Just the first step of DoHotKey, which is all the exit-stealth hotkey does.
class ExitStealthDispatcher : public hotkeys::HotKeyComponentDispatcher {
public:
    void DoHotKey(ActivationSender sender) override {
        if (sender == ActivationSender::ExitStealth && stealth) stealth->ExitStealth();
    }
    StealthMode* stealth = nullptr;
};

class StealthModeTest : public ::testing::Test {
protected:
    StealthModeTest() { EXPECT_TRUE(trayIcon.activate()); }

    // The program's start, in the session as the test has arranged it.
    void start() {
        components =
            std::make_unique<hotkeys::HotKeyComponents>(machine.hotkeys, machine.dialogs, identifiers, router, text);
        stealthMode = std::make_unique<StealthMode>(machine.dialogs, text, trayIcon, components->hkStealth,
                                                    [this] { ++windowsClosed; });
        dispatcher.stealth = stealthMode.get();
    }
    void bind(bool useDefaultKeys) {
        hotkeys::HotKeyFields fields{useDefaultKeys, "Ctrl+H", "Ctrl+U"};
        components->BindAtCreation(fields, dispatcher);
    }
    StealthMode& stealth() { return *stealthMode; }
    void pressExitStealth() {
        machine.hotkeys.press(hotkeys::hotKeyModifiersOf(kExitStealthHotKey),
                              hotkeys::virtualKeyOf(kExitStealthHotKey));
    }

    sim::SimMachine machine;
    hotkeys::HotKeyRouter router{machine.hotkeys, [](std::exception_ptr error) { std::rethrow_exception(error); }};
    hotkeys::HotKeyIdentifiers identifiers;
    hotkeys::HotKeyText text{machine.hotkeys, machine.text};
    TrayIconPresence trayIcon{machine.tray, {}};
    int windowsClosed = 0;
    ExitStealthDispatcher dispatcher;
    std::unique_ptr<hotkeys::HotKeyComponents> components;
    std::unique_ptr<StealthMode> stealthMode;
};

TEST_F(StealthModeTest, TheConfirmationNamesTheExitKeyAndAsksYesNoOrCancel) {
    start();
    machine.dialogs.userAnswers(MessageBoxResult::No);
    stealth().Switchtostealthmode1Click();
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

TEST_F(StealthModeTest, OnlyYesEntersStealthMode) {
    start();
    for (MessageBoxResult answer : {MessageBoxResult::No, MessageBoxResult::Cancel}) {
        machine.dialogs.userAnswers(answer);
        stealth().Switchtostealthmode1Click();
        EXPECT_FALSE(stealth().active());
        EXPECT_TRUE(machine.tray.shows(1));
        EXPECT_EQ(windowsClosed, 0);
    }
    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    stealth().Switchtostealthmode1Click();
    EXPECT_TRUE(stealth().active());
    EXPECT_FALSE(machine.tray.shows(1));
    EXPECT_EQ(windowsClosed, 1);
}

TEST_F(StealthModeTest, TheExitStealthHotkeyBringsTheIconBackInEitherHotkeyMode) {
    start();
    for (bool useDefaultKeys : {true, false}) {
        SCOPED_TRACE(useDefaultKeys ? "default keys" : "custom keys");
        bind(useDefaultKeys);
        machine.dialogs.userAnswers(MessageBoxResult::Yes);
        stealth().Switchtostealthmode1Click();
        ASSERT_TRUE(stealth().active());
        pressExitStealth();
        EXPECT_FALSE(stealth().active());
        EXPECT_TRUE(machine.tray.shows(1));
        EXPECT_EQ(machine.tray.icons.at(1), trayIcon.data());
    }
}

TEST_F(StealthModeTest, TheExitStealthHotkeyChangesNothingWhileTheIconIsShown) {
    start();
    bind(true);
    const int requests = machine.tray.requests;
    pressExitStealth();
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(machine.tray.requests, requests);
}

TEST_F(StealthModeTest, WithoutItsExitHotkeyStealthModeIsRefusedUntilTheKeyIsFree) {
    // Another program holds Shift+Alt+Backspace from before the start.
    machine.hotkeys.holdInOtherProgram(hotkeys::hotKeyModifiersOf(kExitStealthHotKey), 0x08);
    start();
    ASSERT_FALSE(components->hkStealth.Active());

    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    stealth().Switchtostealthmode1Click();
    EXPECT_FALSE(stealth().active());
    EXPECT_EQ(windowsClosed, 0);
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.messageBoxes[1].request.caption, "Error");
    EXPECT_NE(machine.dialogs.messageBoxes[1].request.text.find("Shift+Alt+BkSp"), std::string::npos);

    // Once the other program lets go, entering stealth mode registers the key and goes ahead.
    machine.hotkeys.releaseInOtherProgram(hotkeys::hotKeyModifiersOf(kExitStealthHotKey), 0x08);
    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    stealth().Switchtostealthmode1Click();
    EXPECT_TRUE(components->hkStealth.Active());
    EXPECT_TRUE(stealth().active());
}

TEST_F(StealthModeTest, NormalOperationBringsTheIconBack) {
    start();
    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    stealth().Switchtostealthmode1Click();
    EXPECT_TRUE(stealth().Normaloperation1Click());
    EXPECT_FALSE(stealth().active());
}

TEST_F(StealthModeTest, AShellThatRefusesTheIconIsReportedForItsRetries) {
    start();
    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    stealth().Switchtostealthmode1Click();
    machine.tray.failNext(sim::TrayRequest::Add, platform::errors::kTimeout);
    EXPECT_EQ(stealth().ExitStealth().error, platform::errors::kTimeout);
    EXPECT_TRUE(stealth().active());
    EXPECT_TRUE(stealth().ExitStealth());
    EXPECT_FALSE(stealth().active());
}

}  // namespace
}  // namespace umbrix::app
