#include <gtest/gtest.h>

#include "HotKeyFixture.hpp"
#include "hotkeys/HotKeyComponents.hpp"

namespace umbrix::hotkeys {
namespace {

using Call = RecordingDispatchers::Call;
using platform::MessageBoxIcon;

constexpr TShortCut kCtrlH = 0x4048;
constexpr TShortCut kCtrlU = 0x4055;

class HotKeyComponentsTest : public ::testing::Test, protected HotKeyFixture {
protected:
    std::vector<Call> doHotKeyCalls() const {
        std::vector<Call> calls;
        for (const auto& call : dispatchers.calls)
            if (std::string_view(call.dispatcher) == "DoHotKey") calls.push_back(call);
        return calls;
    }
    HotKeyFields custom(std::string hide, std::string unhide) { return {false, std::move(hide), std::move(unhide)}; }

    // The dialog's creation, with the session as the test has set it up.
    HotKeyComponents& create() {
        made.emplace_back(
            std::make_unique<HotKeyComponents>(machine.hotkeys, machine.dialogs, identifiers, router, text));
        return *made.back();
    }
    std::vector<std::unique_ptr<HotKeyComponents>> made;
};

TEST_F(HotKeyComponentsTest, InDefaultModeOnlyTheExitStealthHotkeyIsLive) {
    HotKeyComponents& components = create();
    HotKeyFields fields;
    components.BindAtCreation(fields, dispatchers);
    EXPECT_FALSE(components.jvAppHkHide.Active());
    EXPECT_FALSE(components.jvAppHkUnHide.Active());
    EXPECT_TRUE(components.hkStealth.Active());
    EXPECT_EQ(components.htStealth, kExitStealthHotKey);
    EXPECT_EQ(components.hkHide, kCtrlH);  // the key fields keep their initial keys
    EXPECT_EQ(components.hkUnHide, kCtrlU);
    EXPECT_EQ(fields.edHide, "CTRL+SPACE");
    EXPECT_EQ(fields.edUnHide, "CTRL+BACKSPACE");

    EXPECT_EQ(press(kCtrlH), sim::SimHotkeys::PressOutcome::Nobody);
    press(kExitStealthHotKey);
    EXPECT_EQ(doHotKeyCalls(), (std::vector<Call>{{"DoHotKey", ActivationSender::ExitStealth, 0}}));
}

TEST_F(HotKeyComponentsTest, InCustomModeTheStoredTextsBecomeLiveHotkeysWrittenBackCanonically) {
    HotKeyComponents& components = create();
    HotKeyFields fields = custom("ctrl+h", "^u");
    components.BindAtCreation(fields, dispatchers);
    EXPECT_EQ(components.hkHide, kCtrlH);
    EXPECT_EQ(components.hkUnHide, kCtrlU);
    EXPECT_TRUE(components.jvAppHkHide.Active());
    EXPECT_TRUE(components.jvAppHkUnHide.Active());
    EXPECT_EQ(fields.edHide, "Ctrl+H");
    EXPECT_EQ(fields.edUnHide, "Ctrl+U");

    press(kCtrlH);
    press(kCtrlU);
    press(kExitStealthHotKey);
    EXPECT_EQ(doHotKeyCalls(), (std::vector<Call>{{"DoHotKey", ActivationSender::CustomHide, 0},
                                                  {"DoHotKey", ActivationSender::CustomUnhide, 0},
                                                  {"DoHotKey", ActivationSender::ExitStealth, 0}}));
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(HotKeyComponentsTest, AStoredTextThatDoesNotParseBecomesEmptyAndRegistersNothing) {
    HotKeyComponents& components = create();
    HotKeyFields fields = custom("Ctrl+H", "CTRL+BACKSPACE");
    components.BindAtCreation(fields, dispatchers);
    EXPECT_EQ(components.hkUnHide, 0);
    EXPECT_FALSE(components.jvAppHkUnHide.Active());
    EXPECT_EQ(fields.edUnHide, "");
    EXPECT_EQ(fields.edHide, "Ctrl+H");
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(machine.hotkeys.registrations().size(), 2u);  // Ctrl+H and the exit-stealth key
}

TEST_F(HotKeyComponentsTest, ACustomKeyAnotherProgramHoldsIsReportedAndStaysInactive) {
    holdElsewhere(kCtrlH);
    HotKeyFields fields = custom("Ctrl+H", "Ctrl+U");
    HotKeyComponents& components = create();
    components.BindAtCreation(fields, dispatchers);
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    const auto& box = machine.dialogs.messageBoxes[0].request;
    EXPECT_EQ(box.text, "Failed to register selected hotkeys Ctrl+H Select different combination");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.icon, MessageBoxIcon::Error);
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::Ok);
    EXPECT_TRUE(box.taskModal);
    EXPECT_FALSE(components.jvAppHkHide.Active());
    EXPECT_EQ(components.jvAppHkHide.HotKey(), kCtrlH);
    EXPECT_EQ(fields.edHide, "Ctrl+H");
    EXPECT_TRUE(components.jvAppHkUnHide.Active());
}

TEST_F(HotKeyComponentsTest, TheExitStealthHotkeyTakenElsewhereIsSilentlyInactive) {
    holdElsewhere(kExitStealthHotKey);
    HotKeyComponents& taken = create();
    HotKeyFields fields = custom("Ctrl+J", "Ctrl+K");
    taken.BindAtCreation(fields, dispatchers);
    EXPECT_FALSE(taken.hkStealth.Active());
    EXPECT_EQ(taken.htStealth, kExitStealthHotKey);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(HotKeyComponentsTest, HotkeysKeepWorkingWhileTheFailureBoxIsOpen) {
    holdElsewhere(kCtrlU);
    // The unhide key fails after the hide key is live; the user presses it before acknowledging.
    machine.dialogs.userAnswers(platform::MessageBoxResult::Ok, [&] { press(kCtrlH); });
    HotKeyFields fields = custom("Ctrl+H", "Ctrl+U");
    HotKeyComponents& components = create();
    components.BindAtCreation(fields, dispatchers);
    EXPECT_EQ(doHotKeyCalls(), (std::vector<Call>{{"DoHotKey", ActivationSender::CustomHide, 0}}));
}

TEST_F(HotKeyComponentsTest, TheComponentsGoWithTheirWindow) {
    HotKeyComponents& components = create();
    const platform::HotkeyWindow window = components.window();
    HotKeyFields fields = custom("Ctrl+J", "Ctrl+K");
    components.BindAtCreation(fields, dispatchers);
    made.clear();
    EXPECT_FALSE(machine.hotkeys.windowExists(window));
    EXPECT_TRUE(machine.hotkeys.registrations().empty());
}

}  // namespace
}  // namespace umbrix::hotkeys
