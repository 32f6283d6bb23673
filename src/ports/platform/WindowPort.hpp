#pragma once
// Top-level windows of every process on the desktop.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowId.hpp"

namespace umbrix::platform {

// ShowWindow commands the program uses.
enum class ShowCommand : int {
    Hide = 0,  // SW_HIDE
    ShowNormal = 1,  // SW_SHOWNORMAL: shows, activates, and restores from minimized or maximized
    Show = 5,  // SW_SHOW: shows and activates in its current size and position
};

// WINDOWPLACEMENT.showCmd as GetWindowPlacement reports it.
enum class ShowState : int {
    Normal = 1,  // SW_SHOWNORMAL
    Minimized = 2,  // SW_SHOWMINIMIZED
    Maximized = 3,  // SW_SHOWMAXIMIZED
};

// The longest title GetWindowTextW copies into the program's 255-character buffer.
inline constexpr std::size_t kMaxTitleCharacters = 254;

// A subscription to window events; it ends when destroyed (UnhookWinEvent).
class WindowEventSubscription {
public:
    WindowEventSubscription() = default;
    WindowEventSubscription(const WindowEventSubscription&) = delete;
    WindowEventSubscription& operator=(const WindowEventSubscription&) = delete;
    virtual ~WindowEventSubscription() = default;
};

class WindowPort {
public:
    WindowPort() = default;
    WindowPort(const WindowPort&) = delete;
    WindowPort& operator=(const WindowPort&) = delete;
    virtual ~WindowPort() = default;

    // EnumWindows: calls `visit` once for every top-level window, synchronously, top of the Z
    // order first; `visit` returns false to stop the walk.
    virtual void enumWindows(const std::function<bool(WindowId)>& visit) = 0;

    // GetWindowTextW(window, buffer, 255): the title, at most kMaxTitleCharacters UTF-16
    // characters; empty for an untitled window or one that is gone.
    virtual std::string windowText(WindowId window) = 0;

    // IsWindowVisible: the window has the visible style.
    virtual bool isWindowVisible(WindowId window) = 0;

    // IsWindow: the handle names an existing window.
    virtual bool isWindow(WindowId window) = 0;

    // DwmGetWindowAttribute(DWMWA_CLOAKED): the cloak value, non-zero when cloaked; nullopt
    // when the query fails (no compositor, window gone).
    virtual std::optional<std::uint32_t> cloakedState(WindowId window) = 0;

    // GetWindowThreadProcessId: the owning process; nullopt when the window is gone.
    virtual std::optional<ProcessId> windowProcessId(WindowId window) = 0;

    // ShowWindow: true when the window was visible before the call. That is not success:
    // showing a hidden window answers false, and so does any command on a window that is gone.
    // A window whose application has stopped answering messages is not waited for: it shows
    // or hides once its application answers again.
    virtual bool showWindow(WindowId window, ShowCommand command) = 0;

    // The same command for many windows at once: each window's own thread is handed its change
    // without waiting, and the call returns once every thread that answers has made its changes,
    // so the windows change as fast as their programs can, not one round trip after another.
    // Answers, for each window in turn, whether it was visible before. A window whose
    // application has stopped answering changes once it answers again, as with showWindow.
    virtual std::vector<bool> showWindows(const std::vector<WindowId>& windows, ShowCommand command) = 0;

    // PostMessageW(window, WM_CLOSE, 0, 0): queues a close request and returns at once; false
    // when it could not be queued (window gone).
    virtual bool postCloseRequest(WindowId window) = 0;

    // FindWindowW(NULL, title): the first top-level window in Z order, hidden ones included,
    // whose whole title equals `title` ignoring letter case; nullopt when there is none.
    virtual std::optional<WindowId> findWindowByTitle(std::string_view title) = 0;

    // GetForegroundWindow: the window the user is working in; WindowId{} when there is none.
    virtual WindowId foregroundWindow() = 0;

    // SetForegroundWindow: brings the window to the front and activates it. A window whose
    // application has stopped answering is not waited for: it is activated once it answers.
    virtual bool setForegroundWindow(WindowId window) = 0;

    // BeginDeferWindowPos, DeferWindowPos(SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) for each
    // window, EndDeferWindowPos: one move of the stack that leaves `topFirst` at its top, in
    // this order, the first above every other window that is not topmost; windows that are gone
    // are left out. Owned windows stay above their owner, as Windows keeps them. Nothing is
    // shown, hidden or activated. A window whose application has stopped answering is not
    // waited for: it takes its place once it answers. False when the system refused the move.
    virtual bool restackWindows(const std::vector<WindowId>& topFirst) = 0;

    // GetWindowPlacement: the window's show state; nullopt when the window is gone.
    virtual std::optional<ShowState> showState(WindowId window) = 0;

    // SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, ..., WINEVENT_OUTOFCONTEXT |
    // WINEVENT_SKIPOWNPROCESS): `shown` is called with each top-level window of another process
    // that is shown, whoever showed it (its own program or this one), on the calling thread
    // while it handles messages, a moment after the show. `shown` must not throw. Throws
    // std::runtime_error when the system refuses the hook.
    virtual std::unique_ptr<WindowEventSubscription> watchShownWindows(std::function<void(WindowId)> shown) = 0;
};

}  // namespace umbrix::platform
