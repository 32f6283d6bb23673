#pragma once
// A window of the program that stays open beside the others (the splash, the option explanation
// window, the main window): the model side a view talks to, and the host that shows it. The host
// knows no window of the program: the Win32 composition registers a view for each model type
// (views/ProgramViews.cpp), and the sim hosts any model as it is.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "platform/WindowId.hpp"

namespace umbrix::platform {

// A window's place on the screen, in pixels at 96 dots per inch: the view scales it to the
// window's monitor.
struct WindowBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowBounds&) const = default;
};

// How a hidden window comes up.
enum class WindowShow {
    Activate,  // SW_SHOW, then the foreground and the focus: the user works in it
    NoActivate,  // SW_SHOWNOACTIVATE: it shows beside whatever the user is doing
};

class ModelessWindow;

// What shows the program's modeless windows: one view per open model, owned by the application
// window. Every call but openWindow does nothing for a model that is not open.
class ModelessWindowHost {
public:
    // CreateWindowExW of the model's view, hidden, owned by the application window. Throws
    // when the window cannot be created. A model that is open already stays as it is.
    virtual void openWindow(ModelessWindow& window) = 0;
    // ShowWindow, then UpdateWindow so that it is painted before the caller goes on; with
    // Activate also SetForegroundWindow and SetFocus, and a window that had the focus loses it.
    virtual void showWindow(ModelessWindow& window, WindowShow how) = 0;
    // ShowWindow(SW_HIDE). A window that has the focus loses it: its onFocusLost runs during
    // the call.
    virtual void hideWindow(ModelessWindow& window) = 0;
    // SetWindowPos to `bounds`, scaled to the window's monitor (a window that keeps its place in
    // screen pixels takes them as they are).
    virtual void placeWindow(ModelessWindow& window, const WindowBounds& bounds) = 0;
    // The window's handle, as other programs and the window port see it; WindowId{} while it is
    // not open.
    virtual WindowId windowHandle(const ModelessWindow& window) const = 0;
    // WS_EX_LAYERED and SetLayeredWindowAttributes(LWA_ALPHA): 0 transparent to 255 opaque. A
    // window at 0 is still there, above the others as before.
    virtual void setWindowOpacity(ModelessWindow& window, std::uint8_t alpha) = 0;
    // A sizeable tool-window border with a small caption bar by which the user drags the window,
    // or none (WS_THICKFRAME | WS_CAPTION, SWP_FRAMECHANGED). The outer rectangle stays where
    // it is.
    virtual void setSizingBorder(ModelessWindow& window, bool shown) = 0;
    // DestroyWindow of the model's view. The model hears nothing more from it (not even the
    // loss of the focus) and may be opened again.
    virtual void closeWindow(ModelessWindow& window) noexcept = 0;
    // An error escaping a model's reaction to its window (a close request, the loss of the
    // focus, a move, a new scale, the view's own input) goes to `handler`, and the window goes
    // on taking messages. Without a handler it ends the program.
    virtual void setReactionErrorHandler(std::function<void(std::exception_ptr)> handler) = 0;

protected:
    ~ModelessWindowHost() = default;
};

class ModelessWindow {
public:
    ModelessWindow(const ModelessWindow&) = delete;
    ModelessWindow& operator=(const ModelessWindow&) = delete;
    // A model that goes while its window is open takes the window with it, so no view is ever
    // left talking to a model that is gone.
    virtual ~ModelessWindow() {
        if (host_) host_->closeWindow(*this);
    }

    // What the window is, for error messages and records: "splash window".
    virtual std::string name() const = 0;
    // The window's text: its title bar, or for a window without one its name to other programs.
    virtual std::string caption() const { return {}; }

    // --- the host's messages, one call per message ---
    // WM_CLOSE: the close box, Alt+F4, another program asking. Unless the model says otherwise
    // the window hides: it stays open for the program to show again.
    virtual void onCloseRequest() {
        if (host_) host_->hideWindow(*this);
    }
    // WM_KILLFOCUS: the focus went to another window, of this program or another.
    virtual void onFocusLost() {}
    // WM_EXITSIZEMOVE: the user has moved or sized the window; its bounds now.
    virtual void onMovedOrSized(const WindowBounds&) {}
    // WM_DPICHANGED: the window is on a monitor with another scale (96 is 100 %) and has taken
    // the bounds Windows suggests for it (a window that keeps its place in screen pixels keeps
    // its bounds).
    virtual void onDpiChanged(int) {}

    // Whether the window's bounds are screen pixels as they are (its place stored as the user left
    // it, on any monitor) instead of pixels at 96 dots per inch.
    virtual bool keepsScreenPixels() const { return false; }

    bool isOpen() const { return host_ != nullptr; }

    // Host side: the view is built, and the view is gone (closeWindow, or the program's end).
    void hostOpened(ModelessWindowHost& host) { host_ = &host; }
    void hostClosed() { host_ = nullptr; }

protected:
    ModelessWindow() = default;

private:
    ModelessWindowHost* host_ = nullptr;
};

}  // namespace umbrix::platform
