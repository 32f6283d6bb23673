#include <gtest/gtest.h>

#include "PasswordFixture.hpp"
#include "password/SetPasswordDialog.hpp"

namespace umbrix::password {
namespace {

class PasswordGateTest : public ::testing::Test, protected PasswordFixture {
protected:
    void willTypeInGate(std::string text, bool ok = true) {
        machine.dialogs.userStep<TPassword_f>([text, ok](TPassword_f& prompt) {
            EXPECT_TRUE(prompt.gateMode());
            EXPECT_EQ(prompt.Label1, "Enter your password");
            prompt.PassWord = text;
            if (ok) {
                prompt.Button1Click();
            } else {
                prompt.CancelBtnClick();
            }
        });
    }
    void willCancelDialog() {
        machine.dialogs.userStep<TPasswordDlg>([](TPasswordDlg& dialog) { dialog.CancelClick(); });
    }
};

TEST_F(PasswordGateTest, WithNoPasswordTheDialogOpensAtOnce) {
    willCancelDialog();
    gate.Passwords1Click();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Set password"});
}

TEST_F(PasswordGateTest, TheRightPasswordOpensTheDialog) {
    setPassword("Secret");
    willTypeInGate("Secret");
    willCancelDialog();
    gate.Passwords1Click();
    EXPECT_EQ(machine.dialogs.modalsShown, (std::vector<std::string>{"Password required", "Set password"}));
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(prompts.Password_f(), nullptr);
}

TEST_F(PasswordGateTest, AWrongPasswordIsReportedAndTheDialogStaysClosed) {
    setPassword("Secret");
    willTypeInGate("secret");
    gate.Passwords1Click();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(lastBox().text, "The password you have entered is incorrect. Please try again.");
    EXPECT_EQ(lastBox().caption, "Shadewell");
    EXPECT_EQ(lastBox().icon, platform::MessageBoxIcon::Error);
    EXPECT_TRUE(lastBox().taskModal);
    EXPECT_EQ(prompts.Password_f(), nullptr);
}

TEST_F(PasswordGateTest, CancelEndsSilently) {
    setPassword("Secret");
    willTypeInGate("", false);
    gate.Passwords1Click();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Password required"});
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(prompts.Password_f(), nullptr);
}

TEST_F(PasswordGateTest, TheGateReplacesAPromptKeptFromAnEarlierUnlock) {
    setPassword("Secret");
    machine.dialogs.userStep<TPassword_f>([](TPassword_f& prompt) {
        prompt.PassWord = "Secret";
        prompt.Button1Click();
    });
    ASSERT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    TPassword_f* kept = prompts.Password_f();
    machine.dialogs.userStep<TPassword_f>([kept](TPassword_f& prompt) {
        EXPECT_NE(&prompt, kept);
        EXPECT_TRUE(prompt.gateMode());
        prompt.CancelBtnClick();
    });
    gate.Passwords1Click();
    EXPECT_EQ(prompts.Password_f(), nullptr);
}

}  // namespace
}  // namespace umbrix::password
