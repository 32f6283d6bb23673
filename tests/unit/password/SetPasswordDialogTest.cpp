#include <gtest/gtest.h>

#include "PasswordFixture.hpp"
#include "password/SetPasswordDialog.hpp"

namespace umbrix::password {
namespace {

using platform::MessageBoxIcon;

struct Entry {
    std::string old, fresh, confirm, hint;
    bool apply = true;
};

class SetPasswordDialogTest : public ::testing::Test, protected PasswordFixture {
protected:
    void willEnter(Entry entry) {
        machine.dialogs.userStep<SetPasswordDialog>([entry](SetPasswordDialog& dialog) {
            dialog.oldPW = entry.old;
            dialog.Password = entry.fresh;
            dialog.ConfirmPassword = entry.confirm;
            dialog.PWHint = entry.hint;
            if (entry.apply) {
                dialog.apply();
            } else {
                dialog.cancel();
            }
        });
    }
    // What a restart would know.
    bool restartVerifies(std::string_view candidate) {
        UnhidePassword afterRestart(machine.crypto);
        afterRestart.replace(store.readPassword());
        return afterRestart.verify(candidate);
    }
};

TEST_F(SetPasswordDialogTest, WithNoPasswordSetTheOldPasswordStaysEmpty) {
    willEnter({"", "New one", "New one", "a hint"});
    gate.showSetPasswordDialog();
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Set password"});
    EXPECT_TRUE(password.verify("New one"));
    EXPECT_TRUE(restartVerifies("New one"));
    EXPECT_EQ(store.readHint(), std::string("a hint"));
}

TEST_F(SetPasswordDialogTest, AWrongOldPasswordIsRefusedAndOnlyThatFieldEmptied) {
    setPassword("Current");
    willEnter({"current", "New", "New", ""});
    machine.dialogs.userStep<SetPasswordDialog>([](SetPasswordDialog& dialog) {
        EXPECT_EQ(dialog.oldPW, "");
        EXPECT_EQ(dialog.Password, "New");
        EXPECT_EQ(dialog.ConfirmPassword, "New");
        dialog.oldPW = "Current";
        dialog.apply();
    });
    gate.showSetPasswordDialog();
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(lastBox().text, "Old password is incorrect, please try again.");
    EXPECT_EQ(lastBox().caption, "Error");
    EXPECT_EQ(lastBox().icon, MessageBoxIcon::Error);
    EXPECT_TRUE(lastBox().taskModal);
    EXPECT_EQ(machine.dialogs.messageBoxes.back().ownerCaption, "Set password");
    EXPECT_TRUE(password.verify("New"));
}

TEST_F(SetPasswordDialogTest, NewPasswordsThatDifferOrAreEmptyAreRefusedAndBothFieldsEmptied) {
    setPassword("Current");
    for (auto [fresh, confirm] : {std::pair{"New", "new"}, std::pair{"", ""}, std::pair{"New", ""}}) {
        SCOPED_TRACE(std::string(fresh) + "/" + confirm);
        willEnter({"Current", fresh, confirm, "hint"});
        machine.dialogs.userStep<SetPasswordDialog>([](SetPasswordDialog& dialog) {
            EXPECT_EQ(dialog.Password, "");
            EXPECT_EQ(dialog.ConfirmPassword, "");
            EXPECT_EQ(dialog.oldPW, "Current");
            EXPECT_EQ(dialog.PWHint, "hint");
            dialog.cancel();
        });
        gate.showSetPasswordDialog();
        EXPECT_EQ(lastBox().text, "Validation error. The passwords do not match.");
        EXPECT_EQ(lastBox().caption, " Error");
        EXPECT_EQ(lastBox().icon, MessageBoxIcon::Error);
        EXPECT_FALSE(lastBox().taskModal);
        EXPECT_TRUE(password.verify("Current"));
    }
}

TEST_F(SetPasswordDialogTest, CancelChangesNothing) {
    setPassword("Current", "old hint");
    willEnter({"Current", "New", "New", "new hint", false});
    gate.showSetPasswordDialog();
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_TRUE(password.verify("Current"));
    EXPECT_TRUE(restartVerifies("Current"));
    EXPECT_EQ(store.readHint(), std::string("old hint"));
}

TEST_F(SetPasswordDialogTest, TheSecondChangeInARunTakesTheFirstChangesPasswordAsTheOldOne) {
    willEnter({"", "First", "First", ""});
    gate.showSetPasswordDialog();
    willEnter({"First", " Second ", " Second ", ""});
    gate.showSetPasswordDialog();
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_TRUE(password.verify(" Second "));
    EXPECT_FALSE(password.verify("Second"));
    EXPECT_TRUE(restartVerifies(" Second "));
}

TEST_F(SetPasswordDialogTest, ASaveTheRegistryRefusesIsReportedAndTheOldPasswordStays) {
    setPassword("Current");
    machine.registry.lockKey(platform::RegistryRoot::CurrentUser, std::string(kPasswordBaseKey));
    willEnter({"Current", "New", "New", ""});
    gate.showSetPasswordDialog();
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(lastBox().text, "An unknown error occurred recording your password. Please try again");
    EXPECT_TRUE(password.verify("Current"));
    EXPECT_FALSE(password.verify("New"));
}

TEST_F(SetPasswordDialogTest, SlowChecksShowTheWaitCursor) {
    setPassword("Current");
    willEnter({"Current", "New", "New", ""});
    gate.showSetPasswordDialog();
    EXPECT_GE(machine.cursor.busyShows, 2);  // the old password's check and the new hash
    EXPECT_FALSE(machine.cursor.busy);
}

TEST_F(SetPasswordDialogTest, NoTypedPasswordStaysInTheDialogOnceItCloses) {
    SetPasswordDialog dialog(machine.dialogs, machine.cursor, password, store);
    willEnter({"", "New", "New", "hint"});
    machine.dialogs.showModal(dialog);
    EXPECT_EQ(dialog.oldPW, "");
    EXPECT_EQ(dialog.Password, "");
    EXPECT_EQ(dialog.ConfirmPassword, "");
}

}  // namespace
}  // namespace umbrix::password
