#pragma once
// The program's own windows: the hidden application window that keeps every window of the
// program off the task bar, the hidden controller window that receives the program's messages
// and whose end ends the message loop, the program's modeless windows, the message loop.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ModelessWindow.hpp"

namespace umbrix::platform {

// What the controller window hands to the program, one call per message.
class ControllerEvents {
public:
    virtual ~ControllerEvents() = default;
    virtual void onClose() = 0;  // WM_CLOSE
    virtual bool onQueryEndSession() = 0;  // WM_QUERYENDSESSION: may the session end?
    virtual void onEndSession(bool sessionEnds) = 0;  // WM_ENDSESSION (wParam)
    virtual void onIdle() = 0;  // the message loop has found its queue empty, before it waits
};

// One entry of a popup menu: a command, a separator (empty caption) or a submenu.
struct MenuEntry {
    std::uint32_t command = 0;  // what showPopupMenu returns when it is chosen; never 0
    std::string caption;  // "&" marks the access key; empty: a separator
    bool checked = false;  // MF_CHECKED
    bool radio = false;  // MFT_RADIOCHECK: the check shows as a dot
    bool enabled = true;  // MF_GRAYED when false
    bool isDefault = false;  // MFS_DEFAULT: drawn bold
    std::vector<MenuEntry> submenu;
    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// Hosts the modeless windows (ModelessWindowHost): each is owned by the application window.
class ApplicationPort : public ModelessWindowHost {
public:
    ApplicationPort() = default;
    ApplicationPort(const ApplicationPort&) = delete;
    ApplicationPort& operator=(const ApplicationPort&) = delete;
    virtual ~ApplicationPort() = default;

    // CreateWindowExW of the application window: titled, never shown, the owner of every other
    // window of the program. Throws when the window cannot be created.
    virtual void createApplicationWindow(std::string_view title) = 0;

    // GetWindowLongW / SetWindowLongW(GWL_EXSTYLE) on the application window: clears
    // WS_EX_APPWINDOW and sets WS_EX_TOOLWINDOW, so the program has no task bar button and no
    // place in the Alt+Tab list.
    virtual void makeApplicationWindowToolWindow() = 0;

    // CreateWindowExW of the hidden controller window, owned by the application window; its
    // messages go to `events` until it is destroyed. Throws when it cannot be created.
    virtual void createControllerWindow(ControllerEvents& events) = 0;

    // DestroyWindow of every open modeless window (the last opened first), the controller
    // window, then the application window.
    virtual void destroyWindows() = 0;

    // PeekMessageW / TranslateMessage / DispatchMessageW until WM_QUIT; returns its exit code.
    // Each time the queue runs empty the controller's onIdle runs, then the loop waits
    // (WaitMessage) for the next message.
    virtual int runMessageLoop() = 0;

    // CreatePopupMenu + SetForegroundWindow(controller) + TrackPopupMenu(TPM_RETURNCMD) at the
    // mouse position: the command the user chose, 0 when the menu was dismissed.
    virtual std::uint32_t showPopupMenu(const std::vector<MenuEntry>& entries) = 0;

    // PostQuitMessage(exitCode): the loop returns once the messages already posted are handled.
    virtual void quitMessageLoop(int exitCode) = 0;
};

}  // namespace umbrix::platform
