// hotkey_holder.exe MODIFIERS VIRTUALKEY READY_EVENT QUIT_EVENT: another program for the hotkey
// contract tests. It registers the combination, signals READY_EVENT and holds it until
// QUIT_EVENT is set (at most a minute). Exit code 2: the combination could not be registered.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) return 1;
    const UINT modifiers = static_cast<UINT>(std::strtoul(argv[1], nullptr, 10));
    const UINT virtualKey = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
    if (!ready || !quit) return 1;
    if (!RegisterHotKey(nullptr, 1, modifiers, virtualKey)) return 2;
    SetEvent(ready);
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (GetTickCount64() < deadline) {
        DWORD woke = MsgWaitForMultipleObjects(1, &quit, FALSE, 1000, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}
