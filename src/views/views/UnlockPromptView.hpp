#pragma once
#include "password/UnlockPrompt.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

// UnlockPrompt on screen: always on top, even above the always-on-top panic button.
class UnlockPromptView final : public ModalDialogView {
public:
    UnlockPromptView(password::UnlockPrompt& prompt, ErrorHandler onError);

protected:
    void onInit() override;
    bool onCommand(int id) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void keepOnTop();
    void showHint();

    password::UnlockPrompt& prompt_;
    WNDPROC fieldDefault_ = nullptr;
};

}  // namespace umbrix::win32
