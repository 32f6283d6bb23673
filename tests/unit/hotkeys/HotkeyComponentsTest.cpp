#include <gtest/gtest.h>

#include "HotkeyFixture.hpp"
#include "hotkeys/HotkeyComponents.hpp"

namespace umbrix::hotkeys {
namespace {

using Call = RecordingDispatchers::Call;
using platform::MessageBoxIcon;

constexpr KeyCombination kCtrlH = 0x4048;
constexpr KeyCombination kCtrlU = 0x4055;

class HotkeyComponentsTest : public ::testing::Test, protected HotkeyFixture {
protected:
    std::vector<Call> componentDispatchCalls() const {
        std::vector<Call> calls;
        for (const auto& call : dispatchers.calls)
            if (std::string_view(call.dispatcher) == "dispatchComponentHotkey") calls.push_back(call);
        return calls;
    }
    settings::Options custom(std::string hide, std::string unhide) {
        settings::Options options;
        options.useDefaultHotkeys = false;
        options.hideHotkeyText = std::move(hide);
        options.unhideHotkeyText = std::move(unhide);
        return options;
    }

    // The dialog's creation, with the session as the test has set it up.
    HotkeyComponents& create() {
        made.emplace_back(
            std::make_unique<HotkeyComponents>(machine.hotkeys, machine.dialogs, identifiers, router, text));
        return *made.back();
    }
    std::vector<std::unique_ptr<HotkeyComponents>> made;
};

TEST_F(HotkeyComponentsTest, InDefaultModeOnlyTheExitStealthHotkeyIsLive) {
    HotkeyComponents& components = create();
    settings::Options fields;
    components.bindAtCreation(fields, dispatchers);
    EXPECT_FALSE(components.customHide.active());
    EXPECT_FALSE(components.customUnhide.active());
    EXPECT_TRUE(components.exitStealth.active());
    EXPECT_EQ(components.htStealth, kExitStealthHotkey);
    EXPECT_EQ(components.customHideKeys, kCtrlH);  // the key fields keep their initial keys
    EXPECT_EQ(components.customUnhideKeys, kCtrlU);
    EXPECT_EQ(fields.hideHotkeyText, "CTRL+SPACE");
    EXPECT_EQ(fields.unhideHotkeyText, "CTRL+BACKSPACE");

    EXPECT_EQ(press(kCtrlH), sim::SimHotkeys::PressOutcome::Nobody);
    press(kExitStealthHotkey);
    EXPECT_EQ(componentDispatchCalls(),
              (std::vector<Call>{{"dispatchComponentHotkey", ActivationSender::ExitStealth, 0}}));
}

TEST_F(HotkeyComponentsTest, InCustomModeTheStoredTextsBecomeLiveHotkeysWrittenBackCanonically) {
    HotkeyComponents& components = create();
    settings::Options fields = custom("ctrl+h", "^u");
    components.bindAtCreation(fields, dispatchers);
    EXPECT_EQ(components.customHideKeys, kCtrlH);
    EXPECT_EQ(components.customUnhideKeys, kCtrlU);
    EXPECT_TRUE(components.customHide.active());
    EXPECT_TRUE(components.customUnhide.active());
    EXPECT_EQ(fields.hideHotkeyText, "Ctrl+H");
    EXPECT_EQ(fields.unhideHotkeyText, "Ctrl+U");

    press(kCtrlH);
    press(kCtrlU);
    press(kExitStealthHotkey);
    EXPECT_EQ(componentDispatchCalls(),
              (std::vector<Call>{{"dispatchComponentHotkey", ActivationSender::CustomHide, 0},
                                 {"dispatchComponentHotkey", ActivationSender::CustomUnhide, 0},
                                 {"dispatchComponentHotkey", ActivationSender::ExitStealth, 0}}));
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(HotkeyComponentsTest, AStoredTextThatDoesNotParseBecomesEmptyAndRegistersNothing) {
    HotkeyComponents& components = create();
    settings::Options fields = custom("Ctrl+H", "CTRL+BACKSPACE");
    components.bindAtCreation(fields, dispatchers);
    EXPECT_EQ(components.customUnhideKeys, 0);
    EXPECT_FALSE(components.customUnhide.active());
    EXPECT_EQ(fields.unhideHotkeyText, "");
    EXPECT_EQ(fields.hideHotkeyText, "Ctrl+H");
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(machine.hotkeys.registrations().size(), 2u);  // Ctrl+H and the exit-stealth key
}

TEST_F(HotkeyComponentsTest, ACustomKeyAnotherProgramHoldsIsReportedAndStaysInactive) {
    holdElsewhere(kCtrlH);
    settings::Options fields = custom("Ctrl+H", "Ctrl+U");
    HotkeyComponents& components = create();
    components.bindAtCreation(fields, dispatchers);
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    const auto& box = machine.dialogs.messageBoxes[0].request;
    EXPECT_EQ(box.text, "Failed to register selected hotkeys Ctrl+H Select different combination");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.icon, MessageBoxIcon::Error);
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::Ok);
    EXPECT_TRUE(box.taskModal);
    EXPECT_FALSE(components.customHide.active());
    EXPECT_EQ(components.customHide.hotkey(), kCtrlH);
    EXPECT_EQ(fields.hideHotkeyText, "Ctrl+H");
    EXPECT_TRUE(components.customUnhide.active());
}

TEST_F(HotkeyComponentsTest, TheExitStealthHotkeyTakenElsewhereIsSilentlyInactive) {
    holdElsewhere(kExitStealthHotkey);
    HotkeyComponents& taken = create();
    settings::Options fields = custom("Ctrl+J", "Ctrl+K");
    taken.bindAtCreation(fields, dispatchers);
    EXPECT_FALSE(taken.exitStealth.active());
    EXPECT_EQ(taken.htStealth, kExitStealthHotkey);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(HotkeyComponentsTest, HotkeysKeepWorkingWhileTheFailureBoxIsOpen) {
    holdElsewhere(kCtrlU);
    // The unhide key fails after the hide key is live; the user presses it before acknowledging.
    machine.dialogs.userAnswers(platform::MessageBoxResult::Ok, [&] { press(kCtrlH); });
    settings::Options fields = custom("Ctrl+H", "Ctrl+U");
    HotkeyComponents& components = create();
    components.bindAtCreation(fields, dispatchers);
    EXPECT_EQ(componentDispatchCalls(),
              (std::vector<Call>{{"dispatchComponentHotkey", ActivationSender::CustomHide, 0}}));
}

TEST_F(HotkeyComponentsTest, TheComponentsGoWithTheirWindow) {
    HotkeyComponents& components = create();
    const platform::HotkeyWindow window = components.window();
    settings::Options fields = custom("Ctrl+J", "Ctrl+K");
    components.bindAtCreation(fields, dispatchers);
    made.clear();
    EXPECT_FALSE(machine.hotkeys.windowExists(window));
    EXPECT_TRUE(machine.hotkeys.registrations().empty());
}

}  // namespace
}  // namespace umbrix::hotkeys
