#include "views/UnlockPromptView.hpp"

#include "views/PasswordDialogIds.h"

namespace umbrix::win32 {

UnlockPromptView::UnlockPromptView(password::UnlockPrompt& prompt, ErrorHandler onError)
    : ModalDialogView(prompt, IDD_UNLOCK_PROMPT, std::move(onError)), prompt_(prompt) {}

void UnlockPromptView::keepOnTop() {
    SetWindowPos(dialog_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void UnlockPromptView::onInit() {
    setText(IDC_PROMPT_LABEL, prompt_.message);
    maskWithAsterisks(IDC_PROMPT_PASSWORD);
    setText(IDC_PROMPT_PASSWORD, prompt_.typedPassword);
    // A right-click in the field shows the hint before the field's own menu.
    HWND field = GetDlgItem(dialog_, IDC_PROMPT_PASSWORD);
    SetWindowLongPtrW(field, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    fieldDefault_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnlockPromptView::fieldProc)));
    keepOnTop();
    SetFocus(field);
}

void UnlockPromptView::showHint() { prompt_.showHint(); }

bool UnlockPromptView::onCommand(int id) {
    switch (id) {
        case IDOK:
            prompt_.typedPassword = text(IDC_PROMPT_PASSWORD);
            prompt_.confirm();
            if (!prompt_.isClosed()) {
                setText(IDC_PROMPT_PASSWORD, prompt_.typedPassword);  // emptied after a wrong entry
                SetFocus(GetDlgItem(dialog_, IDC_PROMPT_PASSWORD));
            }
            return true;
        case IDCANCEL: prompt_.cancel(); return true;
        case IDHELP: showHint(); return true;
        default: return false;
    }
}

bool UnlockPromptView::onMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_HELP:  // the caption's help button, or F1
        case WM_CONTEXTMENU:  // a right-click on the prompt: the hint, and no menu
            showHint();
            return true;
        case WM_PAINT: keepOnTop(); return false;  // the dialog paints itself as usual
        default: return false;
    }
}

LRESULT CALLBACK UnlockPromptView::fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* view = reinterpret_cast<UnlockPromptView*>(GetWindowLongPtrW(field, GWLP_USERDATA));
    if (message == WM_CONTEXTMENU && view) {
        // Through the dialog, so an error meets the same handler as every other reaction.
        SendMessageW(view->dialog_, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    }
    return CallWindowProcW(view ? view->fieldDefault_ : DefWindowProcW, field, message, wParam, lParam);
}

}  // namespace umbrix::win32
