#pragma once
// The thin Win32 side of a modeless window of the program: a window that shows its model's
// state and hands the messages every such window has (close, focus, moving, a new monitor) to
// the model. A view of a particular window adds its drawing and hands its own input to the
// model's reactions; the composition registers it for its model's type (views/ProgramViews.cpp).
#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>

#include "platform/ModelessWindow.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class ModelessWindowView : public WindowBase {
public:
    explicit ModelessWindowView(platform::ModelessWindow& model) : model_(model) {}

    // Creates the window hidden, owned by `owner`, at its first size and place. Throws when
    // the window cannot be created.
    virtual void create(HINSTANCE instance, HWND owner) = 0;

    void show(platform::WindowShow how);
    void hide();
    void place(const platform::WindowBounds& bounds);
    // Layered, at `alpha` (0 transparent, 255 opaque).
    void setOpacity(std::uint8_t alpha);
    // The sizeable tool-window border with its small caption bar, or none; the outer rectangle
    // stays.
    void setSizingBorder(bool shown);
    // Destroys the window without a word more to the model (not even the loss of the focus).
    void close();
    // Inside a message of its own: the object must outlive the handler.
    bool handlingMessage() const { return handling_ > 0; }
    // A window of controls takes the keyboard as a dialog does: Tab and Shift+Tab, the arrows in
    // a group, access keys, Escape (as IDCANCEL). The message loop asks IsDialogMessageW first.
    virtual bool takesDialogKeys() const { return false; }
    // The dialog keys have just handled a key of this window (the focus may have moved).
    virtual void afterDialogKey() {}
    // Where an error escaping a reaction to a message goes (the program's last-resort handler);
    // without one the program ends.
    void setErrorHandler(std::function<void(std::exception_ptr)> onError) { onError_ = std::move(onError); }

protected:
    // A message of the particular window (its painting, its own input): true when handled, with
    // `result` set. Close, focus, moving and a new monitor reach the model without it. Nothing
    // comes here once the window is being closed.
    // What it throws goes to the error handler, and the message counts as handled.
    virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }
    // The window is on a monitor of `dpi` and has its new size: fonts and layout follow.
    virtual void onDpiChanged(int /*dpi*/) {}
    // `pixels` at 96 dots per inch, on this window's monitor.
    int scaled(int pixels) const;
    // close() is about to destroy the window: what the view holds in it goes first.
    virtual void beforeClose() {}
    // An error the view has dealt with itself (it shows something else instead), for the
    // program's log: it goes where an error escaping a message goes.
    void reportError(std::exception_ptr error) const {
        if (onError_) onError_(std::move(error));
    }
    platform::ModelessWindow& model_;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept final;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    platform::WindowBounds modelBounds() const;

    std::function<void(std::exception_ptr)> onError_;
    int handling_ = 0;
    bool closing_ = false;
};

}  // namespace umbrix::win32
