#pragma once
// The program's one unlock prompt: callers reuse it or create it,
// and whoever frees it empties the reference. "A prompt is open" while it is shown modally;
// since modal windows run nested message loops, a hotkey can ask for the prompt again during
// that time, and then it is never shown a second time.
#include <memory>

#include "password/UnlockPrompt.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::password {

// What asking for the password before a restore came to. Only Unlocked may lead to a restore,
// and that holds on every path: an error that ends an unhide sequence while a password is
// required must not restore the windows either.
enum class UnlockAnswer {
    Unlocked,  // the current password was typed: restore
    Mismatch,  // closed with OK, but what it accepted is not the current password
    Cancelled,  // the user cancelled, or the program closed the prompt
    PromptOpen,  // a prompt is open already (a re-entered unhide): nothing was shown, and the
                 // caller must leave the open prompt alone too, not discard it
};

class UnlockPromptSlot {
public:
    UnlockPromptSlot(platform::DialogPort& dialogs, platform::CursorPort& cursor, UnhidePassword& password,
                     PasswordStore& store)
        : dialogs_(dialogs), cursor_(cursor), password_(password), store_(store) {}
    UnlockPromptSlot(const UnlockPromptSlot&) = delete;
    UnlockPromptSlot& operator=(const UnlockPromptSlot&) = delete;

    // The prompt, or nullptr when none exists.
    UnlockPrompt* shownPrompt() const { return prompt_.get(); }
    bool isOpen() const { return prompt_ && prompt_->isShowing(); }

    // The existing normal-mode prompt, or a new one.
    UnlockPrompt& take();
    // Frees any prompt and makes a new one in gate mode; nullptr while a prompt is open.
    UnlockPrompt* createForGate();
    // Shows the prompt modally and returns how it closed. None, without showing anything, when
    // there is no prompt or it is open already.
    platform::ModalResult show();
    // Frees the prompt. An open one is closed (Cancel) and freed once its display has returned.
    void discard();

    // The unhide sequence's password step: the prompt is taken and shown; on OK it is kept for
    // next time, otherwise freed. Only Unlocked may lead to a restore.
    UnlockAnswer askToUnlock();

private:
    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    UnhidePassword& password_;
    PasswordStore& store_;
    std::unique_ptr<UnlockPrompt> prompt_;
    bool discardWhenClosed_ = false;
};

}  // namespace umbrix::password
