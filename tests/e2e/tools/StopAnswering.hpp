#pragma once
// Making probe.exe stop answering, like an application that hangs, and knowing for certain when
// the system counts it hung: probe.exe's side and the side of the tests that ask for it.
//
// Polling IsHungAppWindow alone is not enough. A thread that has waited for messages for more
// than five seconds counts as hung from the moment a message wakes it until it asks for that
// message, which on a busy machine can take a while: the poll would see "hung" before the probe
// has even started to hang, and by the time a test acts, the probe, now busy with its freeze,
// counts as answering for five more seconds. So the probe first says it has stopped (a named
// event), and only then is "hung" believed.
#include <windows.h>

#include <string>

namespace wintool {

// Posted to any window of probe.exe: the probe stops handling messages for WPARAM milliseconds.
constexpr UINT kStopAnsweringMessage = WM_APP + 7;

inline std::wstring stoppedAnsweringEventName(DWORD probeProcessId) {
    return L"UmbrixProbeStoppedAnswering-" + std::to_wstring(probeProcessId);
}

// probe.exe's side, in the handler of kStopAnsweringMessage.
inline void stopAnswering(DWORD milliseconds) {
    if (HANDLE stopped =
            OpenEventW(EVENT_MODIFY_STATE, FALSE, stoppedAnsweringEventName(GetCurrentProcessId()).c_str())) {
        SetEvent(stopped);
        CloseHandle(stopped);
    }
    Sleep(milliseconds);
}

// The asking side: makes the probe that owns `window` stop answering for `milliseconds` and
// returns true once it has stopped and the system counts it hung (five seconds later), false
// when that has not happened within `timeout` milliseconds.
inline bool makeProbeStopAnswering(HWND window, DWORD milliseconds, DWORD timeout) {
    DWORD probeProcessId = 0;
    if (!GetWindowThreadProcessId(window, &probeProcessId)) return false;
    HANDLE stopped = CreateEventW(nullptr, TRUE, FALSE, stoppedAnsweringEventName(probeProcessId).c_str());
    if (!stopped) return false;
    ResetEvent(stopped);  // left set by an earlier request that was not waited for
    const ULONGLONG deadline = GetTickCount64() + timeout;
    bool hung = false;
    if (PostMessageW(window, kStopAnsweringMessage, milliseconds, 0) &&
        WaitForSingleObject(stopped, timeout) == WAIT_OBJECT_0) {
        while (!(hung = IsHungAppWindow(window) != FALSE) && GetTickCount64() < deadline) Sleep(50);
    }
    CloseHandle(stopped);
    return hung;
}

}  // namespace wintool
