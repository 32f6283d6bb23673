#include <windows.h>

#include "ContractEnvironment.hpp"
#include "win32/Utf16.hpp"
#include "views/Win32Platform.hpp"

namespace umbrix::contract {

namespace {

class Win32Environment final : public ContractEnvironment {
public:
    platform::Platform platform() override { return platform_.platform(); }
    std::string scratchFolder() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::wstring folder = std::wstring(temp) + L"umbrix-contract-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++processWideCount);
        CreateDirectoryW(folder.c_str(), nullptr);
        return win32::narrow(folder);
    }
    std::string scratchRegistryKey() override {
        return "Software\\Umbrix Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++processWideCount);
    }
    bool isRealWindows() const override { return true; }
    void runMessagesFor(std::uint32_t milliseconds) override {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

private:
    // Every test makes its own environment; names must stay unique across all of them.
    static inline int processWideCount = 0;
    win32::Win32Platform platform_;
};

}  // namespace

std::unique_ptr<ContractEnvironment> makeEnvironment() { return std::make_unique<Win32Environment>(); }

}  // namespace umbrix::contract
