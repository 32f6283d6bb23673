#include <gtest/gtest.h>

#include "PasswordFixture.hpp"
#include "password/SetPasswordDialog.hpp"

namespace umbrix::password {
namespace {

class PasswordGateTest : public ::testing::Test, protected PasswordFixture {
protected:
    void willTypeInGate(std::string text, bool ok = true) {
        machine.dialogs.userStep<UnlockPrompt>([text, ok](UnlockPrompt& prompt) {
            EXPECT_TRUE(prompt.gateMode());
            EXPECT_EQ(prompt.message, "Enter your password");
            prompt.typedPassword = text;
            if (ok) {
                prompt.confirm();
            } else {
                prompt.cancel();
            }
        });
    }
    void willCancelDialog() {
        machine.dialogs.userStep<SetPasswordDialog>([](SetPasswordDialog& dialog) { dialog.cancel(); });
    }
};

TEST_F(PasswordGateTest, WithNoPasswordTheDialogOpensAtOnce) {
    willCancelDialog();
    gate.openSetPasswordDialog();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Set password"});
}

TEST_F(PasswordGateTest, TheRightPasswordOpensTheDialog) {
    setPassword("Secret");
    willTypeInGate("Secret");
    willCancelDialog();
    gate.openSetPasswordDialog();
    EXPECT_EQ(machine.dialogs.modalsShown, (std::vector<std::string>{"Password required", "Set password"}));
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
}

TEST_F(PasswordGateTest, AWrongPasswordIsReportedAndTheDialogStaysClosed) {
    setPassword("Secret");
    willTypeInGate("secret");
    gate.openSetPasswordDialog();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(lastBox().text, "The password you have entered is incorrect. Please try again.");
    EXPECT_EQ(lastBox().caption, "Shadewell");
    EXPECT_EQ(lastBox().icon, platform::MessageBoxIcon::Error);
    EXPECT_TRUE(lastBox().taskModal);
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
}

TEST_F(PasswordGateTest, CancelEndsSilently) {
    setPassword("Secret");
    willTypeInGate("", false);
    gate.openSetPasswordDialog();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
}

TEST_F(PasswordGateTest, TheGateReplacesAPromptKeptFromAnEarlierUnlock) {
    setPassword("Secret");
    machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) {
        prompt.typedPassword = "Secret";
        prompt.confirm();
    });
    ASSERT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    UnlockPrompt* kept = prompts.shownPrompt();
    machine.dialogs.userStep<UnlockPrompt>([kept](UnlockPrompt& prompt) {
        EXPECT_NE(&prompt, kept);
        EXPECT_TRUE(prompt.gateMode());
        prompt.cancel();
    });
    gate.openSetPasswordDialog();
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
}

}  // namespace
}  // namespace umbrix::password
