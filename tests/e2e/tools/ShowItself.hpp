#pragma once
// probe.exe showing one of its windows by itself, as a chat window does on a new message.
#include <windows.h>

namespace wintool {

// Posted to a titled window of probe.exe: the probe shows that window again.
constexpr UINT kShowItselfMessage = WM_APP + 8;

inline bool runsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// probe.exe's side. Windows' ShowWindow reports a window it shows to the system's event hooks
// (EVENT_OBJECT_SHOW); Wine 8's does not, though it delivers the event to hooks in other
// processes when a program raises it. Under Wine the probe raises it as Windows would.
inline void showItself(HWND window) {
    ShowWindow(window, SW_SHOW);
    if (runsUnderWine()) NotifyWinEvent(EVENT_OBJECT_SHOW, window, OBJID_WINDOW, CHILDID_SELF);
}

}  // namespace wintool
