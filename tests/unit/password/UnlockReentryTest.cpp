#include <gtest/gtest.h>

#include "PasswordFixture.hpp"
#include "hotkeys/HotkeyComponents.hpp"

namespace umbrix::password {
namespace {

using hotkeys::ActivationSender;

// A WM_HOTKEY of the unhide key while the unlock prompt that the same key opened is still on
// screen: the modal loop delivers it at once, and it must neither show a second prompt nor count
// as an unlock.
class UnlockReentryTest : public ::testing::Test, protected PasswordFixture, public hotkeys::HotkeyComponentDispatcher {
protected:
    // Only the password step of the unhide sequence, and what it answered.
    void dispatchComponentHotkey(ActivationSender sender) override {
        if (sender == ActivationSender::CustomUnhide) answers.push_back(prompts.askToUnlock());
    }
    void pressUnhide() {
        machine.hotkeys.press(hotkeys::hotkeyModifiersOf(hotkeys::kCustomUnhideInitial),
                              hotkeys::virtualKeyOf(hotkeys::kCustomUnhideInitial));
    }

    hotkeys::HotkeyRouter router{machine.hotkeys, [](std::exception_ptr error) { std::rethrow_exception(error); }};
    hotkeys::HotkeyIdentifiers identifiers;
    hotkeys::HotkeyText text{machine.hotkeys, machine.text};
    hotkeys::HotkeyComponents components{machine.hotkeys, machine.dialogs, identifiers, router, text};
    std::vector<UnlockAnswer> answers;

    // Custom mode with Ctrl+H and Ctrl+U.
    void bindCustomHotkeys() {
        settings::Options options;
        options.useDefaultHotkeys = false;
        options.hideHotkeyText = "Ctrl+H";
        options.unhideHotkeyText = "Ctrl+U";
        components.bindAtCreation(options, *this);
    }
};

TEST_F(UnlockReentryTest, ASecondUnhidePressWhileThePromptIsOpenIsIgnored) {
    setPassword("Secret");
    bindCustomHotkeys();

    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        prompt.typedPassword = "Sec";
        pressUnhide();  // impatient: the same key again
        prompt.typedPassword = "Secret";
        prompt.confirm();
    });
    pressUnhide();
    // The inner press answered first, while the prompt was open; then the typed password.
    EXPECT_EQ(answers, (std::vector<UnlockAnswer>{UnlockAnswer::PromptOpen, UnlockAnswer::Unlocked}));
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 1u);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(UnlockReentryTest, ASecondUnhidePressDuringTheWrongPasswordMessageIsIgnored) {
    setPassword("Secret");
    bindCustomHotkeys();

    machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) {
        prompt.typedPassword = "wrong";
        prompt.confirm();
    });
    machine.dialogs.userAnswers(platform::MessageBoxResult::Ok, [&] { pressUnhide(); });
    machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) { prompt.cancel(); });
    pressUnhide();
    EXPECT_EQ(answers, (std::vector<UnlockAnswer>{UnlockAnswer::PromptOpen, UnlockAnswer::Cancelled}));
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

}  // namespace
}  // namespace umbrix::password
