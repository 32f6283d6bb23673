#include <gtest/gtest.h>

#include "PasswordFixture.hpp"
#include "hotkeys/HotKeyComponents.hpp"

namespace umbrix::password {
namespace {

using hotkeys::ActivationSender;

// A WM_HOTKEY of the unhide key while the unlock prompt that the same key opened is still on
// screen: the modal loop delivers it at once, and it must neither show a second prompt nor count
// as an unlock.
class UnlockReentryTest : public ::testing::Test, protected PasswordFixture, public hotkeys::HotKeyComponentDispatcher {
protected:
    // Only the password step of the unhide sequence, and what it answered.
    void DoHotKey(ActivationSender sender) override {
        if (sender == ActivationSender::CustomUnhide) answers.push_back(prompts.askToUnlock());
    }
    void pressUnhide() {
        machine.hotkeys.press(hotkeys::hotKeyModifiersOf(hotkeys::kCustomUnhideInitial),
                              hotkeys::virtualKeyOf(hotkeys::kCustomUnhideInitial));
    }

    hotkeys::HotKeyRouter router{machine.hotkeys, [](std::exception_ptr error) { std::rethrow_exception(error); }};
    hotkeys::HotKeyIdentifiers identifiers;
    hotkeys::HotKeyText text{machine.hotkeys, machine.text};
    hotkeys::HotKeyComponents components{machine.hotkeys, machine.dialogs, identifiers, router, text};
    std::vector<UnlockAnswer> answers;
};

TEST_F(UnlockReentryTest, ASecondUnhidePressWhileThePromptIsOpenIsIgnored) {
    setPassword("Secret");
    hotkeys::HotKeyFields fields{false, "Ctrl+H", "Ctrl+U"};
    components.BindAtCreation(fields, *this);

    machine.dialogs.userStep<TPassword_f>([&](TPassword_f& prompt) {
        prompt.PassWord = "Sec";
        pressUnhide();  // impatient: the same key again
        prompt.PassWord = "Secret";
        prompt.Button1Click();
    });
    pressUnhide();
    // The inner press answered first, while the prompt was open; then the typed password.
    EXPECT_EQ(answers, (std::vector<UnlockAnswer>{UnlockAnswer::PromptOpen, UnlockAnswer::Unlocked}));
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 1u);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(UnlockReentryTest, ASecondUnhidePressDuringTheWrongPasswordMessageIsIgnored) {
    setPassword("Secret");
    hotkeys::HotKeyFields fields{false, "Ctrl+H", "Ctrl+U"};
    components.BindAtCreation(fields, *this);

    machine.dialogs.userStep<TPassword_f>([](TPassword_f& prompt) {
        prompt.PassWord = "wrong";
        prompt.Button1Click();
    });
    machine.dialogs.userAnswers(platform::MessageBoxResult::Ok, [&] { pressUnhide(); });
    machine.dialogs.userStep<TPassword_f>([](TPassword_f& prompt) { prompt.CancelBtnClick(); });
    pressUnhide();
    EXPECT_EQ(answers, (std::vector<UnlockAnswer>{UnlockAnswer::PromptOpen, UnlockAnswer::Cancelled}));
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

}  // namespace
}  // namespace umbrix::password
