#include "views/ModalDialogView.hpp"

#include <exception>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

void ModalDialogView::run(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, &ModalDialogView::dialogProc,
                    reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
}

void ModalDialogView::modelClosed() {
    if (dialog_ && !ended_) {
        ended_ = true;
        EndDialog(dialog_, static_cast<INT_PTR>(model_.modalResult()));
    }
}

void ModalDialogView::endIfClosed() {
    if (model_.isClosed()) modelClosed();
}

std::string ModalDialogView::text(int controlId) const {
    HWND control = GetDlgItem(dialog_, controlId);
    std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    int length = GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
    std::string value = narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
    SecureZeroMemory(buffer.data(), buffer.size() * sizeof(wchar_t));  // it may hold a password
    return value;
}

void ModalDialogView::setText(int controlId, const std::string& value) {
    SetDlgItemTextW(dialog_, controlId, widen(value).c_str());
}

void ModalDialogView::maskWithAsterisks(int controlId) {
    // Common controls 6 would mask with a dot; the program's fields show "*".
    SendDlgItemMessageW(dialog_, controlId, EM_SETPASSWORDCHAR, L'*', 0);
}

INT_PTR ModalDialogView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (onCommand(LOWORD(wParam))) {
                endIfClosed();
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:  // the close box
            model_.requestClose(platform::ModalResult::Cancel);
            endIfClosed();
            return TRUE;
        default:
            if (onMessage(message, wParam, lParam)) {
                endIfClosed();
                return TRUE;
            }
            return FALSE;
    }
}

INT_PTR CALLBACK ModalDialogView::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* view = reinterpret_cast<ModalDialogView*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        view = reinterpret_cast<ModalDialogView*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        view->dialog_ = dialog;
    }
    if (!view) return FALSE;
    // No error may cross the system's dialog code: it goes to the program's handler, and the
    // reaction ends where it failed, as any event handler's does.
    try {
        if (message != WM_INITDIALOG) return view->handle(message, wParam, lParam);
        SetWindowTextW(dialog, widen(view->model_.caption()).c_str());
        view->onInit();
        view->endIfClosed();  // closed by the program before the dialog existed
    } catch (...) {
        if (!view->onError_) std::terminate();  // nobody to take it: the program ends
        view->onError_(std::current_exception());
    }
    return FALSE;  // WM_INITDIALOG: onInit has placed the focus
}

}  // namespace umbrix::win32
