#pragma once
// A window of the program shown modally: the model side of the modal loop. A view (or the sim's
// user) calls the reactions; the dialog port hosts the loop and ends it once a close is allowed.
// The port knows no window of the program: the Win32 composition registers a view for each
// model type (views/ProgramViews.cpp), and the sim hosts any model as it is.
#include <functional>
#include <string>

namespace umbrix::platform {

// The result a modal window closes with (IDOK, IDCANCEL); None while it is open.
enum class ModalResult : int { None = 0, Ok = 1, Cancel = 2 };

class ModalWindow {
public:
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;
    virtual ~ModalWindow() = default;

    virtual std::string caption() const = 0;
    // Kept above every other window, always-on-top ones included.
    virtual bool alwaysOnTop() const { return false; }
    // Owned by the controller window when no other modal window is open (rather than by none).
    virtual bool ownedByController() const { return false; }

    // A button with a modal result, or the close box (Cancel): runs the close query and ends
    // the modal display when it allows. Nothing happens unless the window is showing.
    void requestClose(ModalResult result) {
        if (!showing_ || closed_) return;
        if (inCloseQuery_) {
            // The query is waiting on a message box and the program closes the window meanwhile
            // (a hotkey's action): cancelling always wins, and the query's answer is moot.
            if (result == ModalResult::Cancel) finish(result);
            return;
        }
        bool allowed = false;
        {
            QueryScope scope(inCloseQuery_);
            allowed = onCloseQuery(result);
        }
        if (!closed_ && allowed) finish(result);
    }
    // Closing from the program, as the close box does.
    void close() { requestClose(ModalResult::Cancel); }

    bool isShowing() const { return showing_; }
    bool isClosed() const { return closed_; }
    ModalResult modalResult() const { return result_; }

    // Host side, around the modal loop: `onClosed` tells the host that the loop must end.
    void beginModal(std::function<void()> onClosed) {
        showing_ = true;
        closed_ = false;
        result_ = ModalResult::None;
        onClosed_ = std::move(onClosed);
        onShow();
    }
    void endModal() {
        showing_ = false;
        onClosed_ = nullptr;
    }

protected:
    ModalWindow() = default;
    virtual void onShow() {}
    virtual bool onCloseQuery(ModalResult) { return true; }
    virtual void onClosed(ModalResult) {}

private:
    struct QueryScope {
        explicit QueryScope(bool& flag) : flag_(flag) { flag_ = true; }
        ~QueryScope() { flag_ = false; }
        bool& flag_;
    };
    void finish(ModalResult result) {
        closed_ = true;
        result_ = result;
        onClosed(result);
        if (onClosed_) onClosed_();
    }

    bool showing_ = false;
    bool closed_ = false;
    bool inCloseQuery_ = false;
    ModalResult result_ = ModalResult::None;
    std::function<void()> onClosed_;
};

}  // namespace umbrix::platform
