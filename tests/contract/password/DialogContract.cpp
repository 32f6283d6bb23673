#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "DialogUser.hpp"
#include "password/PasswordGate.hpp"
#include "password/UnlockPromptSlot.hpp"

namespace umbrix::contract {
namespace {

using password::UnlockAnswer;
using platform::RegistryRoot;

constexpr std::uint32_t kCheapIterations = 10;
constexpr const char* kPrompt = "Password required";
constexpr const char* kSetPassword = "Set password";

// The password dialogs as the user meets them: on Windows the real dialogs, filled in through
// their controls while the program waits in their modal loops.
class DialogContract : public ::testing::Test {
protected:
    ~DialogContract() override {
        for (const std::string& key : {base + "\\QVAcc", base + "\\QVAccHelp"}) {
            for (const auto& name : registry.valueNames(RegistryRoot::CurrentUser, key))
                (void)registry.deleteValue(RegistryRoot::CurrentUser, key, name);
            (void)registry.deleteKey(RegistryRoot::CurrentUser, key);
        }
        (void)registry.deleteKey(RegistryRoot::CurrentUser, base);
    }
    void setPassword(const std::string& text, const std::string& hint) {
        ASSERT_EQ(store.writePassword(text, hint).result, password::PasswordSaveResult::Saved);
        current.replace(store.readPassword());
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::RegistryPort& registry = env->platform().registry;
    std::string base = env->scratchRegistryKey();
    password::PasswordStore store{registry, env->platform().crypto, base, kCheapIterations};
    password::UnhidePassword current{env->platform().crypto};
    password::UnlockPromptSlot prompts{env->platform().dialogs, env->platform().cursor, current, store};
    password::PasswordGate gate{env->platform().dialogs, env->platform().cursor, current, store, prompts};
    std::unique_ptr<DialogUser> user = makeDialogUser(*env);
};

TEST_F(DialogContract, TheUnlockPromptRefusesAWrongPasswordThenUnlocksOnTopOfEverything) {
    setPassword("Secret", "");
    user->willFill(kPrompt, {{DialogField::PromptPassword, "secret"}}, DialogButton::Ok);
    user->willAcknowledgeMessageBox();
    user->willFill(kPrompt, {{DialogField::PromptPassword, "Secret"}}, DialogButton::Ok);
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    EXPECT_TRUE(user->scriptDone());
    EXPECT_EQ(user->seenMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  {"The password you have entered is incorrect. Please try again.", "Umbrix", kPrompt}}));
    EXPECT_EQ(user->sawOnTop(), (std::vector<std::string>{kPrompt, kPrompt}));
}

TEST_F(DialogContract, TheUnlockPromptShowsTheHintAndCancels) {
    setPassword("Secret", "my hint");
    user->willFill(kPrompt, {}, DialogButton::Help);
    user->willAcknowledgeMessageBox();
    user->willFill(kPrompt, {{DialogField::PromptPassword, "Secret"}}, DialogButton::Cancel);
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
    EXPECT_TRUE(user->scriptDone());
    EXPECT_EQ(user->seenMessageBoxes(),
              (std::vector<SeenMessageBox>{{"Your password hint is \"my hint\"", "Velarium for Windows", kPrompt}}));
}

TEST_F(DialogContract, TheSetPasswordDialogRefusesDifferingPasswordsThenSavesThroughTheGate) {
    setPassword("Old", "");
    user->willFill(kPrompt, {{DialogField::PromptPassword, "Old"}}, DialogButton::Ok);
    user->willFill(kSetPassword,
                   {{DialogField::OldPassword, "Old"},
                    {DialogField::NewPassword, "New 1"},
                    {DialogField::ConfirmPassword, "New 2"},
                    {DialogField::Hint, "h"}},
                   DialogButton::Ok);
    user->willAcknowledgeMessageBox();
    // The refused fields are empty again; the old password and the hint stay as typed.
    user->willFill(kSetPassword, {{DialogField::NewPassword, "New"}, {DialogField::ConfirmPassword, "New"}},
                   DialogButton::Ok);
    gate.openSetPasswordDialog();
    EXPECT_TRUE(user->scriptDone());
    EXPECT_EQ(user->seenMessageBoxes(),
              (std::vector<SeenMessageBox>{{"Validation error. The passwords do not match.", " Error", kSetPassword}}));
    EXPECT_TRUE(current.verify("New"));
    EXPECT_EQ(store.readHint(), std::string("h"));
}

TEST_F(DialogContract, TheGateRefusesAWrongPasswordWithoutOpeningTheDialog) {
    setPassword("Old", "");
    user->willFill(kPrompt, {{DialogField::PromptPassword, "old"}}, DialogButton::Ok);
    user->willAcknowledgeMessageBox();
    gate.openSetPasswordDialog();
    EXPECT_TRUE(user->scriptDone());
    EXPECT_EQ(user->seenMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  {"The password you have entered is incorrect. Please try again.", "Shadewell", ""}}));
    EXPECT_TRUE(current.verify("Old"));
}

// The file-open dialog the main window browses with: the user's pick comes back as the file's
// full name, a cancel as none.
class FileDialogContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::DialogPort& dialogs = env->platform().dialogs;
    std::unique_ptr<DialogUser> user = makeDialogUser(*env);
    platform::FileOpenRequest request{"Browse for Umbrix Decoy", "All files|*.*|Applications|*.exe", "*.*"};
};

TEST_F(FileDialogContract, ThePickedFileComesBackByItsFullNameAndACancelGivesNone) {
    const std::string file = env->scratchFolder() + "\\Quarterly report.txt";
    ASSERT_TRUE(env->platform().files.writeFileThrough(file, "figures"));
    user->willChooseFile(request.title, file);
    EXPECT_EQ(dialogs.chooseFileToOpen(request), file);
    user->willChooseFile(request.title, std::nullopt);
    EXPECT_EQ(dialogs.chooseFileToOpen(request), std::nullopt);
    EXPECT_TRUE(user->scriptDone());
    EXPECT_EQ(user->seenFileDialogs(), (std::vector<std::string>{request.title, request.title}));
}

}  // namespace
}  // namespace umbrix::contract
