#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "HotkeySession.hpp"
#include "platform/HotkeyPort.hpp"

namespace umbrix::contract {

namespace {

// hotkey_holder.exe sits beside the test program.
std::wstring helperPath() {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"hotkey_holder.exe";
}

class Win32OtherProcess final : public OtherProcessHotkey {
public:
    Win32OtherProcess(std::uint32_t modifiers, std::uint32_t virtualKey) {
        static int count = 0;
        const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
        const std::string readyName = "umbrix-holder-ready-" + tag, quitName = "umbrix-holder-quit-" + tag;
        ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
        quit_ = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
        std::wstring command = L"\"" + helperPath() + L"\" " + std::to_wstring(modifiers) + L" " +
                               std::to_wstring(virtualKey) + L" " + std::wstring(readyName.begin(), readyName.end()) +
                               L" " + std::wstring(quitName.begin(), quitName.end());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            throw std::runtime_error("cannot start hotkey_holder.exe: error " + std::to_string(GetLastError()));
        CloseHandle(process.hThread);
        process_ = process.hProcess;
        HANDLE waits[] = {ready_, process_};
        if (WaitForMultipleObjects(2, waits, FALSE, 20000) != WAIT_OBJECT_0) {
            stop();
            throw std::runtime_error("hotkey_holder.exe did not take the combination");
        }
    }
    ~Win32OtherProcess() override { stop(); }

private:
    void stop() {
        if (process_) {
            SetEvent(quit_);
            if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
            CloseHandle(process_);
            process_ = nullptr;
        }
        for (HANDLE* event : {&ready_, &quit_}) {
            if (*event) CloseHandle(*event);
            *event = nullptr;
        }
    }

    HANDLE process_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE quit_ = nullptr;
};

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

std::unique_ptr<OtherProcessHotkey> holdInAnotherProcess(ContractEnvironment&, std::uint32_t modifiers,
                                                         std::uint32_t virtualKey) {
    return std::make_unique<Win32OtherProcess>(modifiers, virtualKey);
}

bool pressUntil(ContractEnvironment&, std::uint32_t modifiers, std::uint32_t virtualKey,
                const std::function<bool()>& arrived) {
    namespace mods = platform::hotkey_modifiers;
    std::vector<WORD> held;
    if (modifiers & mods::kControl) held.push_back(VK_CONTROL);
    if (modifiers & mods::kShift) held.push_back(VK_SHIFT);
    if (modifiers & mods::kAlt) held.push_back(VK_MENU);
    std::vector<INPUT> inputs;
    for (WORD modifier : held) inputs.push_back(key(modifier, false));
    inputs.push_back(key(static_cast<WORD>(virtualKey), false));
    inputs.push_back(key(static_cast<WORD>(virtualKey), true));
    for (auto it = held.rbegin(); it != held.rend(); ++it) inputs.push_back(key(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));

    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!arrived() && GetTickCount64() < deadline) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!arrived()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return arrived();
}

}  // namespace umbrix::contract
