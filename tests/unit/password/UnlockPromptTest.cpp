#include <gtest/gtest.h>

#include "PasswordFixture.hpp"

namespace umbrix::password {
namespace {

using platform::MessageBoxIcon;
using platform::ModalResult;
using sim::SimScriptError;

class UnlockPromptTest : public ::testing::Test, protected PasswordFixture {
protected:
    // The user types into the prompt and clicks a button.
    void willType(std::string text, bool ok = true) {
        machine.dialogs.userStep<UnlockPrompt>([text, ok](UnlockPrompt& prompt) {
            prompt.typedPassword = text;
            if (ok) {
                prompt.confirm();
            } else {
                prompt.cancel();
            }
        });
    }
    void willCancel() { willType("", false); }
};

TEST_F(UnlockPromptTest, TheRightPasswordUnlocksAndThePromptIsKeptWithAnEmptyField) {
    setPassword("Secret");
    willType("Secret");
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    EXPECT_TRUE(password.unlockMatchesCurrent());
    ASSERT_NE(prompts.shownPrompt(), nullptr);
    UnlockPrompt* kept = prompts.shownPrompt();
    EXPECT_EQ(kept->typedPassword, "");  // nothing typed stays in memory

    // Shown again: the same prompt, and the field is empty before the user types.
    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        EXPECT_EQ(&prompt, kept);
        EXPECT_EQ(prompt.typedPassword, "");
        prompt.typedPassword = "Secret";
        prompt.confirm();
    });
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    EXPECT_EQ(machine.dialogs.modalsShown, (std::vector<std::string>{"Password required", "Password required"}));
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(UnlockPromptTest, AWrongPasswordIsRefusedWithAMessageAndAnEmptyFieldAsOftenAsTyped) {
    setPassword("Secret");
    willType("secret");
    machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) {
        EXPECT_EQ(prompt.typedPassword, "");
        EXPECT_FALSE(prompt.isClosed());
        prompt.typedPassword = "Secret ";
        prompt.confirm();
    });
    willType("Secret");
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    ASSERT_EQ(boxCount(), 2u);
    for (const auto& shown : machine.dialogs.messageBoxes) {
        EXPECT_EQ(shown.request.text, "The password you have entered is incorrect. Please try again.");
        EXPECT_EQ(shown.request.caption, "Umbrix");
        EXPECT_EQ(shown.request.icon, MessageBoxIcon::Error);
        EXPECT_EQ(shown.ownerCaption, "Password required");
    }
}

TEST_F(UnlockPromptTest, CancelAfterAWrongEntryRestoresNothingAndKeepsTheEarlierUnlock) {
    setPassword("Secret");
    willType("Secret");
    ASSERT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    willType("wrong");
    willCancel();
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
    EXPECT_EQ(prompts.shownPrompt(), nullptr);  // freed, and the reference emptied
    EXPECT_TRUE(password.unlockMatchesCurrent());  // LogOnPassWord kept its value
}

TEST_F(UnlockPromptTest, WithNoPasswordSetOnlyAnEmptyEntryIsAccepted) {
    willType("anything");
    willType("");
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    EXPECT_EQ(boxCount(), 1u);
}

TEST_F(UnlockPromptTest, AnUnlockBeforeThePasswordChangedDoesNotCount) {
    setPassword("First");
    willType("First");
    ASSERT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    password.replace(store.writePassword("Second", "").hash);
    EXPECT_FALSE(password.unlockMatchesCurrent());
}

TEST_F(UnlockPromptTest, TheHintIsShownFromTheRegistry) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* text;
        const char* caption;
        MessageBoxIcon icon;
    };
    const Case cases[] = {
        {"no base key", [] {}, "Your password hint is not defined.", "Umbrix", MessageBoxIcon::None},
        {"no hint value",
         [&] { machine.registry.createKey(platform::RegistryRoot::CurrentUser, std::string(kPasswordBaseKey)); },
         "Your password hint is \"Your password hint is not defined\"", "Velarium for Windows",
         MessageBoxIcon::Information},
        {"an empty hint", [&] { store.writePassword("x", ""); }, "Your password hint is \"\"", "Velarium for Windows",
         MessageBoxIcon::Information},
        {"a hint", [&] { store.writePassword("x", "my cat's name"); }, "Your password hint is \"my cat's name\"",
         "Velarium for Windows", MessageBoxIcon::Information},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) { prompt.showHint(); });
        willCancel();
        prompts.askToUnlock();
        EXPECT_EQ(lastBox().text, c.text);
        EXPECT_EQ(lastBox().caption, c.caption);
        EXPECT_EQ(lastBox().icon, c.icon);
        EXPECT_EQ(machine.dialogs.messageBoxes.back().ownerCaption, "Password required");
    }
}

TEST_F(UnlockPromptTest, InGateModeAnyEntryClosesWithOkAndIsHandedOver) {
    setPassword("Secret");
    UnlockPrompt* gatePrompt = prompts.createForGate();
    ASSERT_NE(gatePrompt, nullptr);
    willType("wrong");
    EXPECT_EQ(prompts.show(), ModalResult::Ok);
    EXPECT_EQ(boxCount(), 0u);
    EXPECT_EQ(gatePrompt->takeTypedPassword(), "wrong");
    EXPECT_EQ(gatePrompt->typedPassword, "");
    EXPECT_FALSE(password.unlockMatchesCurrent());
}

TEST_F(UnlockPromptTest, ThePromptStaysAboveEveryOtherWindow) {
    EXPECT_TRUE(prompts.take().alwaysOnTop());
    EXPECT_EQ(prompts.take().caption(), "Password required");
    EXPECT_EQ(prompts.take().message, "Enter your password");
}

// --- a prompt is open: what other requests meet ---

TEST_F(UnlockPromptTest, ASecondUnhideWhileThePromptIsOpenShowsNothingAndRestoresNothing) {
    setPassword("Secret");
    std::vector<UnlockAnswer> nested;
    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        prompt.typedPassword = "Sec";
        EXPECT_TRUE(prompts.isOpen());
        nested.push_back(prompts.askToUnlock());  // the unhide hotkey, pressed again
        EXPECT_EQ(prompt.typedPassword, "Sec");  // the open prompt is untouched
        EXPECT_FALSE(prompt.isClosed());
        prompt.typedPassword = "Secret";
        prompt.confirm();
    });
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
    EXPECT_EQ(nested, std::vector<UnlockAnswer>{UnlockAnswer::PromptOpen});
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 1u);
    EXPECT_EQ(machine.dialogs.refusedModals, 0);
    EXPECT_FALSE(prompts.isOpen());
}

TEST_F(UnlockPromptTest, AHideThatClosesTheOpenPromptEndsTheUnlockWithoutARestore) {
    setPassword("Secret");
    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        prompt.typedPassword = "Secret";
        prompts.discard();  // a hide action closes and frees the prompt
        EXPECT_TRUE(prompt.isClosed());
        EXPECT_NE(prompts.shownPrompt(), nullptr);  // freed once its display has returned
    });
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
    EXPECT_FALSE(password.unlockMatchesCurrent());
}

TEST_F(UnlockPromptTest, AHideWhileTheWrongPasswordMessageIsOpenEndsTheUnlockWithoutARestore) {
    setPassword("Secret");
    machine.dialogs.userAnswers(platform::MessageBoxResult::Ok, [&] { prompts.discard(); });
    willType("wrong");
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
    EXPECT_EQ(prompts.shownPrompt(), nullptr);
}

TEST_F(UnlockPromptTest, AHideJustAfterOkWasClickedStillRestoresNothing) {
    setPassword("Secret");
    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        prompt.typedPassword = "Secret";
        prompt.confirm();
        prompts.discard();  // the hide hotkey arrives before the prompt's loop has returned
    });
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
}

TEST_F(UnlockPromptTest, AnErrorDuringThePromptLeavesNoPromptOpen) {
    setPassword("Secret");
    machine.dialogs.userStep<UnlockPrompt>([](UnlockPrompt&) { throw std::runtime_error("lost"); });
    EXPECT_THROW(prompts.askToUnlock(), std::runtime_error);
    EXPECT_FALSE(prompts.isOpen());
    EXPECT_FALSE(password.unlockMatchesCurrent());
    willType("Secret");
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Unlocked);
}

TEST_F(UnlockPromptTest, TheGateMakesNoSecondPromptWhileOneIsOpen) {
    setPassword("Secret");
    machine.dialogs.userStep<UnlockPrompt>([&](UnlockPrompt& prompt) {
        EXPECT_EQ(prompts.createForGate(), nullptr);
        EXPECT_EQ(prompts.shownPrompt(), &prompt);
        prompt.cancel();
    });
    EXPECT_EQ(prompts.askToUnlock(), UnlockAnswer::Cancelled);
}

}  // namespace
}  // namespace umbrix::password
