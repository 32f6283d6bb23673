#pragma once
// The thin Win32 side of a modal window of the program: runs DialogBoxParamW on the window's
// template, forwards input to the model's reactions and shows the model's state. It ends the
// dialog whenever the model closes, whether a button did it or the program (a hotkey's action).
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "platform/ModalWindow.hpp"

namespace umbrix::win32 {

class ModalDialogView {
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    // `onError` takes errors escaping the model's reactions (the program's one handler).
    ModalDialogView(platform::ModalWindow& model, int templateId, ErrorHandler onError)
        : model_(model), templateId_(templateId), onError_(std::move(onError)) {}
    ModalDialogView(const ModalDialogView&) = delete;
    ModalDialogView& operator=(const ModalDialogView&) = delete;
    virtual ~ModalDialogView() = default;

    // The model's modal display must have begun; returns when the dialog is gone.
    void run(HWND owner);
    // The model has closed: the dialog ends, now or as soon as it exists.
    void modelClosed();
    HWND handle() const { return dialog_; }

protected:
    // Controls from the model; the focus goes where the dialog's first input belongs.
    virtual void onInit() = 0;
    // A button or menu command; true when handled.
    virtual bool onCommand(int id) = 0;
    // Any other message; true when handled (the result is set with DWLP_MSGRESULT).
    virtual bool onMessage(UINT, WPARAM, LPARAM) { return false; }

    std::string text(int controlId) const;
    void setText(int controlId, const std::string& value);
    void maskWithAsterisks(int controlId);
    void endIfClosed();

    platform::ModalWindow& model_;
    HWND dialog_ = nullptr;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    ErrorHandler onError_;
    bool ended_ = false;
};

}  // namespace umbrix::win32
