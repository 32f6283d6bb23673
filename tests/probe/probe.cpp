// probe.exe: a stand-in for "another application" in the tests that run under Wine.
//
//   probe.exe [window options] TITLE [[window options] TITLE ...] [--no-sink]
//       Opens one top-level window per TITLE, in the order given (so the last one ends on top
//       of the Z order), each in this process. It first opens a focus sink: a small untitled
//       window at the bottom right of the screen that the probe never hides, so that a Wine
//       window keeps the X focus for xdotool; untitled windows are never hidden by Umbrix.
//       Then it prints "sink HANDLE", one "window HANDLE TITLE" line per window and
//       "ready PID", and runs until every titled window has been closed (exit code 0) or it is
//       ended from outside. Handles are unsigned decimal, as Umbrix writes them.
//       Window options, for the TITLE that follows:
//         --hidden        create it without showing it
//         --minimized     show it minimized
//         --refuse-close  answer WM_CLOSE by staying open, like an application asking its user
//         --reshow-after MS  the first time another process hides it, show it again by itself
//                         MS milliseconds later, as a chat window does on a new message
//         --modal-dialog  make it a modal dialog of the window before it: owned by that window,
//                         which it disables while it is open, as an "Open" dialog does
//       --no-sink leaves the focus sink out.
//       --origin PIXELS moves every window that many pixels right and down, so the windows of
//       two probes do not cover each other exactly.
//       --log-visibility prints "hidden HANDLE TIME" or "shown HANDLE TIME" each time one of
//       the titled windows is hidden or shown by a ShowWindow call (its own or another
//       process's); TIME is the wall clock in seconds since 1970 with microseconds, so a caller
//       on the Linux side can set it against its own clock.
//       The message WM_APP + 8 (ShowItself.hpp) posted to a titled window makes the probe show
//       that window again by itself.
//       The message WM_APP + 7 posted to any of its windows makes the whole probe stop
//       handling messages for WPARAM milliseconds, like an application that hangs; it sets the
//       event named in StopAnswering.hpp as it stops.
//
//   probe.exe --list
//       Prints one line per top-level window of every process, top of the Z order first:
//       "HANDLE<TAB>PID<TAB>VISIBLE<TAB>MINIMIZED<TAB>TITLE" (VISIBLE and MINIMIZED are 1 or 0,
//       TITLE is UTF-8), and exits with 0.
//
//   probe.exe --keys KEYS
//       Presses KEYS through SendInput (for example ctrl+space, ctrl+backspace,
//       shift+alt+backspace, ctrl+alt+f12) and exits with 0; 2 when KEYS cannot be read, 1 when
//       SendInput does not take them.
//       Modifiers: ctrl, shift, alt, win. Keys: a-z, 0-9, f1-f24, space, backspace, enter,
//       escape, tab, delete, insert, home, end, pageup, pagedown, left, right, up, down.
//
//   probe.exe --stop-answering TITLE MS
//       Makes the probe that shows the window TITLE stop answering messages for MS
//       milliseconds, and exits with 0 once it has stopped and Windows counts it hung (about
//       five seconds later); 4 when the window is not found or never counted hung.
//
//   probe.exe --hold KEYS
//       Registers KEYS (as for --keys) as a global hotkey of this process, as another program
//       holding the combination would, prints "held", and keeps it until it is ended from
//       outside; exit code 3 when the combination cannot be registered.
//
// Exit code 2 also stands for a command line it does not understand, 1 for a window it could
// not create.
#include <windows.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "Keys.hpp"
#include "ShowItself.hpp"
#include "StopAnswering.hpp"
#include "WindowClass.hpp"

namespace {

constexpr wchar_t kWindowClass[] = L"UmbrixProbeWindow";
constexpr wchar_t kSinkClass[] = L"UmbrixProbeSink";
constexpr UINT_PTR kReshowTimer = 1;
int liveWindows = 0;
bool logVisibility = false;
std::map<HWND, UINT> reshowDelays;  // windows still to show themselves again once hidden

void print(const std::wstring& line) {
    std::wstring text = line + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring handleText(HWND window) {
    return std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
}

// Seconds since 1970 with microseconds, from the same clock as Linux's CLOCK_REALTIME under Wine.
std::wstring wallClockText() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr ULONGLONG kUnixEpoch = 116444736000000000ULL;  // 1970-01-01 in 100 ns ticks since 1601
    const ULONGLONG micros = (ticks - kUnixEpoch) / 10;
    wchar_t fraction[8];
    wsprintfW(fraction, L"%06u", static_cast<unsigned>(micros % 1000000));
    return std::to_wstring(micros / 1000000) + L"." + fraction;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case wintool::kStopAnsweringMessage: wintool::stopAnswering(static_cast<DWORD>(wParam)); return 0;
        case wintool::kShowItselfMessage: wintool::showItself(window); return 0;
        case WM_SHOWWINDOW:
            // lParam 0: a ShowWindow call, not an owner or parent being minimized or restored.
            if (logVisibility && lParam == 0)
                print((wParam ? L"shown " : L"hidden ") + handleText(window) + L" " + wallClockText());
            if (!wParam && lParam == 0) {
                auto reshow = reshowDelays.find(window);
                if (reshow != reshowDelays.end()) {
                    SetTimer(window, kReshowTimer, reshow->second, nullptr);
                    reshowDelays.erase(reshow);
                }
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_TIMER:
            if (wParam != kReshowTimer) return DefWindowProcW(window, message, wParam, lParam);
            KillTimer(window, kReshowTimer);
            wintool::showItself(window);
            return 0;
        case WM_CLOSE:
            if (GetWindowLongPtrW(window, GWLP_USERDATA) != 0) return 0;  // refuses to close
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (HWND owner = GetWindow(window, GW_OWNER)) EnableWindow(owner, TRUE);  // a modal dialog closes
            if (--liveWindows == 0) PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK sinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;  // the sink stays until the process ends
    if (message == wintool::kStopAnsweringMessage) return windowProc(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

int listWindows() {
    EnumWindows(
        [](HWND window, LPARAM) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t title[512] = {};
            GetWindowTextW(window, title, 512);
            print(handleText(window) + L"\t" + std::to_wstring(process) + L"\t" +
                  (IsWindowVisible(window) ? L"1" : L"0") + L"\t" + (IsIconic(window) ? L"1" : L"0") + L"\t" + title);
            return TRUE;
        },
        0);
    return 0;
}

int stopAnswering(const std::wstring& title, const std::wstring& milliseconds) {
    HWND window = FindWindowW(kWindowClass, title.c_str());
    const DWORD duration = std::wcstoul(milliseconds.c_str(), nullptr, 10);
    return window && wintool::makeProbeStopAnswering(window, duration, 20000) ? 0 : 4;
}

int holdHotkey(const std::wstring& combination) {
    UINT modifiers = 0;
    UINT key = 0;
    std::vector<WORD> keys;
    std::wstring error;
    if (!wintool::chordKeys(combination, keys, error)) return 2;
    for (WORD k : keys) {
        switch (k) {
            case VK_CONTROL: modifiers |= MOD_CONTROL; break;
            case VK_SHIFT: modifiers |= MOD_SHIFT; break;
            case VK_MENU: modifiers |= MOD_ALT; break;
            case VK_LWIN: modifiers |= MOD_WIN; break;
            default: key = k;
        }
    }
    if (key == 0) return 2;
    if (!RegisterHotKey(nullptr, 1, modifiers, key)) return 3;
    print(L"held");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int pressKeys(const std::wstring& combination) {
    std::vector<WORD> keys;
    std::wstring error;
    if (!wintool::chordKeys(combination, keys, error)) return 2;
    return wintool::pressChord(combination, error) ? 0 : 1;
}

struct WindowRequest {
    std::wstring title;
    bool hidden = false;
    bool minimized = false;
    bool refuseClose = false;
    bool modalDialog = false;
    UINT reshowAfter = 0;  // milliseconds; 0: never shows itself again
};

// Handles what showing a window set off (under Wine the display system reports the activation
// a little later) before the next window is shown, so each shown window ends above the ones
// before it instead of a late activation lifting an older one back up.
void settle() {
    const DWORD deadline = GetTickCount() + 1000;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (GetTickCount() > deadline) return;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT) == WAIT_TIMEOUT) return;
    }
}

int openWindows(const std::vector<WindowRequest>& requests, bool withSink, int origin) {
    wintool::registerWindowClass(kWindowClass, windowProc);
    wintool::registerWindowClass(kSinkClass, sinkProc);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (withSink) {
        HWND sink = CreateWindowExW(0, kSinkClass, L"", WS_POPUP | WS_BORDER, 1200, 720, 64, 64, nullptr, nullptr,
                                    instance, nullptr);
        if (!sink) return 1;
        ShowWindow(sink, SW_SHOWNORMAL);
        settle();
        print(L"sink " + handleText(sink));
    }
    int offset = 0;
    HWND previous = nullptr;
    for (const WindowRequest& request : requests) {
        if (request.modalDialog && !previous) return 2;
        const HWND owner = request.modalDialog ? previous : nullptr;
        const DWORD style =
            request.modalDialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME : WS_OVERLAPPEDWINDOW;
        HWND window =
            CreateWindowExW(request.modalDialog ? WS_EX_DLGMODALFRAME : 0, kWindowClass, request.title.c_str(), style,
                            40 + offset, 40 + offset, 320, 200, owner, nullptr, instance, nullptr);
        if (!window) return 1;
        // While a modal dialog is open its owner takes no input.
        if (owner) EnableWindow(owner, FALSE);
        previous = window;
        offset = (offset + 30) % 300;
        ++liveWindows;
        SetWindowLongPtrW(window, GWLP_USERDATA, request.refuseClose ? 1 : 0);
        if (request.reshowAfter) reshowDelays[window] = request.reshowAfter;
        if (!request.hidden) {
            ShowWindow(window, request.minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
            settle();
        }
        print(L"window " + handleText(window) + L" " + request.title);
    }
    print(L"ready " + std::to_wstring(GetCurrentProcessId()));
    if (requests.empty()) liveWindows = -1;  // nothing to wait for: run until ended from outside
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(args + 1, args + count);
    LocalFree(args);

    if (arguments.size() == 1 && arguments[0] == L"--list") return listWindows();
    if (arguments.size() == 2 && arguments[0] == L"--keys") return pressKeys(arguments[1]);
    if (arguments.size() == 2 && arguments[0] == L"--hold") return holdHotkey(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == L"--stop-answering") return stopAnswering(arguments[1], arguments[2]);

    std::vector<WindowRequest> requests;
    WindowRequest next;
    bool withSink = true;
    int origin = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--reshow-after" && i + 1 < arguments.size()) {
            next.reshowAfter = static_cast<UINT>(std::wcstoul(arguments[++i].c_str(), nullptr, 10));
            if (next.reshowAfter == 0) return 2;
        } else if (argument == L"--hidden")
            next.hidden = true;
        else if (argument == L"--minimized")
            next.minimized = true;
        else if (argument == L"--refuse-close")
            next.refuseClose = true;
        else if (argument == L"--modal-dialog")
            next.modalDialog = true;
        else if (argument == L"--no-sink")
            withSink = false;
        else if (argument == L"--origin" && i + 1 < arguments.size())
            origin = static_cast<int>(std::wcstol(arguments[++i].c_str(), nullptr, 10));
        else if (argument == L"--log-visibility")
            logVisibility = true;
        else if (argument.rfind(L"--", 0) == 0)
            return 2;
        else {
            next.title = argument;
            requests.push_back(next);
            next = WindowRequest{};
        }
    }
    return openWindows(requests, withSink, origin);
}
