#include "BenchWindows.hpp"

#include <algorithm>
#include <stdexcept>

#include "WindowClass.hpp"

namespace umbrix::bench {

namespace {

constexpr wchar_t kWindowClass[] = L"UmbrixBenchWindow";
constexpr wchar_t kSinkClass[] = L"UmbrixBenchSink";
constexpr int kTestHotkeyId = 1;
// Sent to the sink: bring the window in lParam to the foreground, from the windows' own thread.
constexpr UINT kActivateMessage = WM_APP + 1;

LRESULT CALLBACK sinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kActivateMessage) {
        HWND target = reinterpret_cast<HWND>(lParam);
        SetForegroundWindow(target);
        return GetForegroundWindow() == target;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HANDLE newEvent() {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event) throw std::runtime_error("CreateEventW failed");
    return event;
}

}  // namespace

BenchWindows::BenchWindows(int count, const std::wstring& titlePrefix, TestHotkey hotkey)
    : count_(count), titlePrefix_(titlePrefix), hotkey_(hotkey) {
    opened_ = newEvent();
    reached_ = newEvent();
    hotkeyArrived_ = newEvent();
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, &threadId_);
    if (!thread_) throw std::runtime_error("CreateThread failed");
    WaitForSingleObject(opened_, INFINITE);
    if (!openError_.empty()) throw std::runtime_error(openError_);
}

BenchWindows::~BenchWindows() {
    if (thread_) {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
    for (HANDLE event : {opened_, reached_, hotkeyArrived_}) {
        if (event) CloseHandle(event);
    }
}

LONGLONG BenchWindows::now() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

DWORD WINAPI BenchWindows::threadMain(void* self) {
    auto& host = *static_cast<BenchWindows*>(self);
    host.openWindows();
    SetEvent(host.opened_);
    if (!host.openError_.empty()) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_HOTKEY && message.wParam == kTestHotkeyId) host.onHotkey();
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (host.hotkeyRegistered_) UnregisterHotKey(host.sink_, kTestHotkeyId);
    for (HWND window : host.windows_) DestroyWindow(window);
    DestroyWindow(host.sink_);
    return 0;
}

void BenchWindows::openWindows() {
    wintool::registerWindowClass(kWindowClass, windowProc);
    wintool::registerWindowClass(kSinkClass, sinkProc);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // A small window at the bottom right that stays visible: a Wine window keeps the X focus.
    sink_ = CreateWindowExW(0, kSinkClass, L"", WS_POPUP | WS_BORDER, 1200, 720, 64, 64, nullptr, nullptr, instance,
                            nullptr);
    if (!sink_) {
        openError_ = "cannot create the focus sink";
        return;
    }
    ShowWindow(sink_, SW_SHOWNORMAL);
    if (hotkey_.key != 0) hotkeyRegistered_ = RegisterHotKey(sink_, kTestHotkeyId, hotkey_.modifiers, hotkey_.key);

    shown_.assign(static_cast<std::size_t>(count_), 0);
    for (int i = 0; i < count_; ++i) {
        wchar_t title[128];
        wsprintfW(title, L"%s %02d", titlePrefix_.c_str(), i + 1);
        const int offset = (i * 16) % 400;
        HWND window = CreateWindowExW(0, kWindowClass, title, WS_OVERLAPPEDWINDOW, 40 + offset, 40 + offset, 320, 200,
                                      nullptr, nullptr, instance, this);
        if (!window) {
            openError_ = "cannot create bench window " + std::to_string(i + 1);
            return;
        }
        SetWindowLongPtrW(window, GWLP_USERDATA, i + 1);
        windows_.push_back(window);
        ShowWindow(window, SW_SHOWNORMAL);
    }
}

LRESULT CALLBACK BenchWindows::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetPropW(window, L"UmbrixBenchHost", create->lpCreateParams);
    } else if (message == WM_SHOWWINDOW && lParam == 0) {
        if (auto* host = static_cast<BenchWindows*>(GetPropW(window, L"UmbrixBenchHost")))
            host->onShowWindow(window, wParam != FALSE);
    } else if (message == WM_WINDOWPOSCHANGED) {
        if (auto* host = static_cast<BenchWindows*>(GetPropW(window, L"UmbrixBenchHost")))
            host->onPositionChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
    } else if (message == WM_NCDESTROY) {
        RemovePropW(window, L"UmbrixBenchHost");
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A ShowWindow call begins here in the windows' thread (lParam 0: not a parent or minimize).
void BenchWindows::onShowWindow(HWND window, bool shows) {
    const LONG_PTR index = GetWindowLongPtrW(window, GWLP_USERDATA) - 1;
    if (index < 0 || index >= count_) return;
    if (shows != (shown_[static_cast<std::size_t>(index)] == 0)) return;
    changeStarted_ = now();
}

void BenchWindows::onPositionChanged(const WINDOWPOS& position) {
    const LONG_PTR index = GetWindowLongPtrW(position.hwnd, GWLP_USERDATA) - 1;
    if (index < 0 || index >= count_) return;  // still being created
    char& shown = shown_[static_cast<std::size_t>(index)];
    const bool hides = (position.flags & SWP_HIDEWINDOW) != 0 && shown;
    const bool shows = (position.flags & SWP_SHOWWINDOW) != 0 && !shown;
    if (!hides && !shows) return;
    const LONGLONG at = now();
    shown = shows ? 1 : 0;
    const int visible = visible_ += shows ? 1 : -1;
    LONGLONG none = 0;
    const bool firstChange = first_.compare_exchange_strong(none, at);
    if (!firstChange && changeStarted_ != 0) busy_ += at - changeStarted_;
    changeStarted_ = 0;
    const Goal goal = goal_.load();
    if ((goal == Goal::AllHidden && visible == 0) || (goal == Goal::AllShown && visible == count_)) {
        last_ = at;
        goal_ = Goal::None;
        SetEvent(reached_);
    }
}

HWND BenchWindows::activateTopWindow() {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) continue;
        return SendMessageW(sink_, kActivateMessage, 0, reinterpret_cast<LPARAM>(window)) != 0 ? window : nullptr;
    }
    return nullptr;
}

void BenchWindows::expectAllHidden() { expect(Goal::AllHidden); }

void BenchWindows::expectAllShown() { expect(Goal::AllShown); }

void BenchWindows::expect(Goal goal) {
    ResetEvent(reached_);
    first_ = 0;
    last_ = 0;
    busy_ = 0;
    goal_ = goal;
}

bool BenchWindows::wait(DWORD timeoutMs, Transition& seen) {
    const bool reached = WaitForSingleObject(reached_, timeoutMs) == WAIT_OBJECT_0;
    seen.first = first_.load();
    seen.last = last_.load();
    seen.busy = busy_.load();
    return reached;
}

void BenchWindows::onHotkey() {
    hotkeyAt_ = now();
    SetEvent(hotkeyArrived_);
}

void BenchWindows::expectHotkey() {
    ResetEvent(hotkeyArrived_);
    hotkeyAt_ = 0;
}

bool BenchWindows::waitHotkey(DWORD timeoutMs, LONGLONG& arrived) {
    const bool came = WaitForSingleObject(hotkeyArrived_, timeoutMs) == WAIT_OBJECT_0;
    arrived = hotkeyAt_.load();
    return came;
}

}  // namespace umbrix::bench
