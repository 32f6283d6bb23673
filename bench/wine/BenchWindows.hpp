// The "other application" of the activation benchmark: titled, visible top-level windows on a
// thread of their own with a message loop, so that a ShowWindow from another process or thread
// is answered at once. The thread notes the moment each window is hidden or shown (from
// WM_WINDOWPOSCHANGED, after the change has taken effect) and signals when all of them are.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

namespace umbrix::bench {

// One hide or show of every window: when the first and the last of them changed (QPC ticks).
// `busy` is the part of last - first that the windows' thread spent on the changes themselves
// (from WM_SHOWWINDOW to WM_WINDOWPOSCHANGED of every window after the first); the rest passed
// between the changes, in the caller and in Wine's delivery of its calls.
struct Transition {
    LONGLONG first = 0;
    LONGLONG last = 0;
    LONGLONG busy = 0;
};

class BenchWindows {
public:
    // A hotkey of the windows' own thread, to measure how long Wine takes to deliver one.
    struct TestHotkey {
        UINT modifiers = 0;
        UINT key = 0;
    };

    // Opens an untitled focus sink (which no hide-all touches: it has no title) and then `count`
    // windows titled "<titlePrefix> NN"; returns once all are shown. Throws std::runtime_error
    // when a window cannot be created.
    BenchWindows(int count, const std::wstring& titlePrefix, TestHotkey hotkey);
    ~BenchWindows();
    BenchWindows(const BenchWindows&) = delete;
    BenchWindows& operator=(const BenchWindows&) = delete;

    // The windows, in the order they were opened.
    const std::vector<HWND>& windows() const { return windows_; }
    int visibleCount() const { return visible_.load(); }

    // Brings the top one of the windows to the foreground, as when the user works in it; a
    // hide-all then hands the activation on from each window it hides to the next. Returns
    // that window, or nullptr when it did not become the foreground window.
    HWND activateTopWindow();

    // Call before the action that is to hide (or show) every window, then wait. The wait returns
    // false when not all of them changed within `timeoutMs`.
    void expectAllHidden();
    void expectAllShown();
    bool wait(DWORD timeoutMs, Transition& seen);

    // The test hotkey: `expectHotkey`, press it, then `waitHotkey` gives the moment WM_HOTKEY
    // arrived. Without it (another program holds the keys) there is nothing to wait for.
    bool hasTestHotkey() const { return hotkeyRegistered_; }
    void expectHotkey();
    bool waitHotkey(DWORD timeoutMs, LONGLONG& arrived);

private:
    static DWORD WINAPI threadMain(void* self);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void openWindows();
    void onShowWindow(HWND window, bool shows);
    void onPositionChanged(const WINDOWPOS& position);
    void onHotkey();
    static LONGLONG now();

    enum class Goal { None, AllHidden, AllShown };
    void expect(Goal goal);

    int count_;
    std::wstring titlePrefix_;
    std::vector<HWND> windows_;
    std::vector<char> shown_;  // by creation index, kept by the windows' thread
    HWND sink_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE opened_ = nullptr;  // the thread has opened the windows (or failed to)
    HANDLE reached_ = nullptr;  // the current goal has been reached
    HANDLE hotkeyArrived_ = nullptr;
    std::string openError_;
    TestHotkey hotkey_;
    bool hotkeyRegistered_ = false;

    std::atomic<int> visible_{0};
    std::atomic<Goal> goal_{Goal::None};
    std::atomic<LONGLONG> first_{0};
    std::atomic<LONGLONG> last_{0};
    std::atomic<LONGLONG> busy_{0};
    LONGLONG changeStarted_ = 0;  // kept by the windows' thread
    std::atomic<LONGLONG> hotkeyAt_{0};
};

}  // namespace umbrix::bench
