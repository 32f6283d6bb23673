#include "password/UnlockPromptSlot.hpp"

namespace umbrix::password {

using platform::ModalResult;

UnlockPrompt& UnlockPromptSlot::take() {
    if (prompt_ && prompt_->gateMode() && !prompt_->isShowing()) prompt_.reset();
    if (!prompt_) prompt_ = std::make_unique<UnlockPrompt>(dialogs_, cursor_, password_, store_);
    return *prompt_;
}

UnlockPrompt* UnlockPromptSlot::createForGate() {
    if (isOpen()) return nullptr;
    prompt_ = std::make_unique<UnlockPrompt>(dialogs_, cursor_, password_, store_);
    prompt_->Tag = UnlockPrompt::kGateTag;
    return prompt_.get();
}

ModalResult UnlockPromptSlot::show() {
    if (!prompt_ || prompt_->isShowing()) return ModalResult::None;
    // A discard asked for while the prompt is on screen happens here, when its loop has
    // returned, even when an error ends the display.
    struct DeferredDiscard {
        UnlockPromptSlot& slot;
        ~DeferredDiscard() {
            if (slot.discardWhenClosed_) {
                slot.discardWhenClosed_ = false;
                slot.prompt_.reset();
            }
        }
    } deferred{*this};
    return dialogs_.showModal(*prompt_);
}

void UnlockPromptSlot::discard() {
    if (!prompt_) return;
    if (prompt_->isShowing()) {
        discardWhenClosed_ = true;
        prompt_->close();
        return;
    }
    prompt_.reset();
}

UnlockAnswer UnlockPromptSlot::askToUnlock() {
    if (isOpen()) return UnlockAnswer::PromptOpen;
    take();
    const ModalResult result = show();
    // Freed meanwhile: a hide action closed the prompt, even if OK had been clicked just before.
    if (!prompt_) return UnlockAnswer::Cancelled;
    if (result == ModalResult::Ok) {
        if (prompt_->acceptedPassword() && password_.unlockMatchesCurrent()) return UnlockAnswer::Unlocked;
        discard();
        return UnlockAnswer::Mismatch;
    }
    if (result == ModalResult::Cancel) {
        discard();
        return UnlockAnswer::Cancelled;
    }
    return UnlockAnswer::PromptOpen;
}

}  // namespace umbrix::password
