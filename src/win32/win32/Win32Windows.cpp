#include "win32/Win32Windows.hpp"

#include <windows.h>
#include <dwmapi.h>

#include <exception>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "win32/Utf16.hpp"
#include "win32/WindowHandle.hpp"

#ifndef DWMWA_CLOAKED
#define DWMWA_CLOAKED 14
#endif

namespace umbrix::win32 {

using platform::ProcessId;
using platform::ShowState;
using platform::WindowId;

namespace {

// How long a batch of shows or hides waits, all told, for the threads that answer to make
// their changes; a program that takes longer makes them when it can.
constexpr ULONGLONG kBatchWaitMs = 2000;

struct Walk {
    const std::function<bool(WindowId)>* visit;
    std::exception_ptr failure;
};

// An exception must not unwind through user32's frames: it is carried out of the callback and
// thrown again once EnumWindows has returned.
BOOL CALLBACK visitWindow(HWND window, LPARAM context) {
    auto* walk = reinterpret_cast<Walk*>(context);
    try {
        return (*walk->visit)(toWindowId(window)) ? TRUE : FALSE;
    } catch (...) {
        walk->failure = std::current_exception();
        return FALSE;
    }
}

// The hooks of this process and what each calls. An out-of-context hook calls back on the thread
// that set it, so the table is only touched by the threads that own its entries.
std::map<HWINEVENTHOOK, std::function<void(WindowId)>>& shownWindowHooks() {
    static std::map<HWINEVENTHOOK, std::function<void(WindowId)>> hooks;
    return hooks;
}

void CALLBACK onWindowShown(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (event != EVENT_OBJECT_SHOW || object != OBJID_WINDOW || child != CHILDID_SELF || !window) return;
    // Controls and other child windows are shown this way too; only top-level windows count.
    if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return;
    auto entry = shownWindowHooks().find(hook);
    if (entry != shownWindowHooks().end()) entry->second(toWindowId(window));
}

class ShownWindowHook final : public platform::WindowEventSubscription {
public:
    explicit ShownWindowHook(HWINEVENTHOOK hook) : hook_(hook) {}
    ~ShownWindowHook() override {
        UnhookWinEvent(hook_);
        shownWindowHooks().erase(hook_);
    }

private:
    HWINEVENTHOOK hook_;
};

// A window of another thread whose application has stopped answering: a call that waits for
// that thread (ShowWindow, SetWindowPos, EndDeferWindowPos send it messages) would hold this
// program, hotkeys and all, until the application answers again.
bool isHungOtherThreadsWindow(HWND window) {
    return GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() && IsHungAppWindow(window);
}

}  // namespace

void Win32Windows::enumWindows(const std::function<bool(WindowId)>& visit) {
    Walk walk{&visit, nullptr};
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&walk));
    if (walk.failure) std::rethrow_exception(walk.failure);
}

std::string Win32Windows::windowText(WindowId window) {
    wchar_t buffer[platform::kMaxTitleCharacters + 1];
    int length = GetWindowTextW(toHwnd(window), buffer, static_cast<int>(std::size(buffer)));
    if (length <= 0) return {};
    // The cut may fall inside a surrogate pair; half a character is no character.
    if (IS_HIGH_SURROGATE(buffer[length - 1])) --length;
    return narrow(std::wstring_view(buffer, static_cast<std::size_t>(length)));
}

bool Win32Windows::isWindowVisible(WindowId window) { return IsWindowVisible(toHwnd(window)) != FALSE; }

bool Win32Windows::isWindow(WindowId window) { return IsWindow(toHwnd(window)) != FALSE; }

std::optional<std::uint32_t> Win32Windows::cloakedState(WindowId window) {
    DWORD cloaked = 0;
    if (DwmGetWindowAttribute(toHwnd(window), DWMWA_CLOAKED, &cloaked, sizeof cloaked) != S_OK) return std::nullopt;
    return static_cast<std::uint32_t>(cloaked);
}

std::optional<ProcessId> Win32Windows::windowProcessId(WindowId window) {
    DWORD process = 0;
    if (GetWindowThreadProcessId(toHwnd(window), &process) == 0) return std::nullopt;
    return ProcessId{static_cast<std::uint32_t>(process)};
}

bool Win32Windows::showWindow(WindowId window, platform::ShowCommand command) {
    const HWND handle = toHwnd(window);
    // ShowWindow waits for the window's own thread to handle the change. An application that
    // has stopped answering would hold this program (and every later hotkey) until it answers
    // again, so such a window is only told what to do, and does it when it recovers.
    if (isHungOtherThreadsWindow(handle)) {
        const bool wasVisible = IsWindowVisible(handle) != FALSE;
        ShowWindowAsync(handle, static_cast<int>(command));
        return wasVisible;
    }
    return ShowWindow(handle, static_cast<int>(command)) != FALSE;
}

std::vector<bool> Win32Windows::showWindows(const std::vector<WindowId>& windows, platform::ShowCommand command) {
    const DWORD self = GetCurrentThreadId();
    std::vector<bool> wasVisible;
    wasVisible.reserve(windows.size());
    // Each other thread with a change to make: whether it answered when first seen, and one of
    // its windows to ask through.
    struct Thread {
        bool answering;
        HWND window;
    };
    std::map<DWORD, Thread> threads;
    for (WindowId window : windows) {
        const HWND handle = toHwnd(window);
        const DWORD thread = GetWindowThreadProcessId(handle, nullptr);
        if (thread == 0 || thread == self) {
            wasVisible.push_back(showWindow(window, command));
            continue;
        }
        if (!threads.contains(thread)) threads.emplace(thread, Thread{IsHungAppWindow(handle) == FALSE, handle});
        wasVisible.push_back(IsWindowVisible(handle) != FALSE);
        ShowWindowAsync(handle, static_cast<int>(command));
    }
    // A thread handles what it was sent in the order it came, so once it has answered a message
    // sent after the changes it has made them. A thread that had stopped answering is not waited
    // for, and no thread for longer than the batch's time. (Asked without SMTO_ABORTIFHUNG: a
    // thread that wakes after a long rest to make its changes can look hung meanwhile.)
    const ULONGLONG deadline = GetTickCount64() + kBatchWaitMs;
    std::set<DWORD> answered;
    for (const auto& [thread, seen] : threads) {
        const ULONGLONG now = GetTickCount64();
        if (!seen.answering || now >= deadline) continue;
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(seen.window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(deadline - now), &ignored))
            answered.insert(thread);
    }
    // Should a change still be waiting behind the answer, the window of a thread that answers
    // gets it the ordinary way; the call's promise holds either way.
    const bool wantVisible = command != platform::ShowCommand::Hide;
    for (WindowId window : windows) {
        const HWND handle = toHwnd(window);
        if (!answered.contains(GetWindowThreadProcessId(handle, nullptr))) continue;
        if ((IsWindowVisible(handle) != FALSE) != wantVisible) ShowWindow(handle, static_cast<int>(command));
    }
    return wasVisible;
}

bool Win32Windows::postCloseRequest(WindowId window) { return PostMessageW(toHwnd(window), WM_CLOSE, 0, 0) != FALSE; }

std::optional<WindowId> Win32Windows::findWindowByTitle(std::string_view title) {
    HWND found = FindWindowW(nullptr, widen(title).c_str());
    if (!found) return std::nullopt;
    return toWindowId(found);
}

WindowId Win32Windows::foregroundWindow() { return toWindowId(GetForegroundWindow()); }

// SetForegroundWindow does not wait for the window's thread: the activation reaches it as a
// message it handles in its own time.
bool Win32Windows::setForegroundWindow(WindowId window) { return SetForegroundWindow(toHwnd(window)) != FALSE; }

bool Win32Windows::restackWindows(const std::vector<WindowId>& topFirst) {
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    struct Move {
        HWND window;
        HWND after;
        bool hung;
    };
    std::vector<Move> moves;
    HWND after = HWND_TOP;
    for (WindowId id : topFirst) {
        const HWND window = toHwnd(id);
        if (!IsWindow(window)) continue;
        moves.push_back({window, after, isHungOtherThreadsWindow(window)});
        after = window;
    }
    // One batch for the windows whose applications answer: the stack changes once, with one
    // repaint. EndDeferWindowPos waits for each window's thread, so a hung application's window
    // stays out of it and gets its move posted (SWP_ASYNCWINDOWPOS) to take when it answers.
    int batched = 0;
    for (const Move& move : moves) batched += move.hung ? 0 : 1;
    bool done = true;
    if (batched > 0) {
        HDWP batch = BeginDeferWindowPos(batched);
        for (const Move& move : moves) {
            if (batch && !move.hung) batch = DeferWindowPos(batch, move.window, move.after, 0, 0, 0, 0, kFlags);
        }
        done = batch && EndDeferWindowPos(batch);
    }
    // A refused batch (a window gone meanwhile makes DeferWindowPos fail) is done one window at
    // a time, without waiting for anyone.
    bool moved = true;
    for (const Move& move : moves) {
        if (move.hung || !done)
            moved = SetWindowPos(move.window, move.after, 0, 0, 0, 0, kFlags | SWP_ASYNCWINDOWPOS) && moved;
    }
    return moved;
}

std::optional<ShowState> Win32Windows::showState(WindowId window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(toHwnd(window), &placement)) return std::nullopt;
    switch (placement.showCmd) {
        case SW_SHOWMINIMIZED: return ShowState::Minimized;
        case SW_SHOWMAXIMIZED: return ShowState::Maximized;
        default: return ShowState::Normal;
    }
}

std::unique_ptr<platform::WindowEventSubscription> Win32Windows::watchShownWindows(
    std::function<void(WindowId)> shown) {
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, nullptr, onWindowShown, 0, 0,
                                               WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!hook)
        throw std::runtime_error("cannot watch for shown windows (Windows error " + std::to_string(GetLastError()) +
                                 ")");
    shownWindowHooks()[hook] = std::move(shown);
    return std::make_unique<ShownWindowHook>(hook);
}

}  // namespace umbrix::win32
