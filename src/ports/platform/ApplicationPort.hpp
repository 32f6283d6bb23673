#pragma once
// The program's own hidden windows: the application window that keeps every window of the
// program off the task bar, the controller window that receives the program's messages and
// whose end ends the message loop, and the option explanation window.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ExplanationWindowEvents.hpp"

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
    std::vector<MenuEntry> submenu;
    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// What the splash window shows while the program starts.
struct SplashContent {
    std::string title;  // "Umbrix 7.1"
    std::string status;  // "Loading...", bold, at the bottom left
};

class ApplicationPort {
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

    // CreateWindowExW(WS_EX_TOOLWINDOW, ..., WS_POPUP) of the option explanation window, 380 by 214 pixels,
    // hidden and owned by the application window, showing `entries`; its input goes to `events`
    // until it is destroyed. Throws when the window cannot be created.
    virtual void createExplanationWindow(const std::vector<ExplanationEntry>& entries,
                                         ExplanationWindowEvents& events) = 0;
    // ShowWindow(SW_SHOW) and SetForegroundWindow, so that the window has the focus it hides
    // on losing; or ShowWindow(SW_HIDE). Nothing without the window.
    virtual void showExplanationWindow(bool visible) = 0;

    // The splash window: borderless, 296 x 207 client pixels, centred on the screen, with the
    // hourglass cursor; owned by the application window. Created on the first call, then shown
    // and painted at once (UpdateWindow), so that it appears before the long start-up steps.
    virtual void showSplashWindow(const SplashContent& content) = 0;
    // Closes and destroys the splash window, if there is one.
    virtual void closeSplashWindow() = 0;

    // DestroyWindow of the explanation window, the controller window, then the application
    // window.
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
