#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>

#include "ExtrasContractSupport.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::contract::extras {

bool mayChangeTheUsersState(ContractEnvironment&) {
    // Wine's ntdll exports wine_get_version; the test scripts give every Wine run a fresh prefix.
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::int64_t recycleBinItems(ContractEnvironment&) {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info))) return -1;
    return info.i64NumItems;
}

void addCachedPage(ContractEnvironment&, const std::string& url) {
    std::wstring address = win32::widen(url);
    wchar_t file[MAX_PATH] = {};
    if (!CreateUrlCacheEntryW(address.c_str(), 0, L"html", file, 0)) return;
    HANDLE handle = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(handle, "<html></html>", 13, &written, nullptr);
        CloseHandle(handle);
    }
    FILETIME never{};
    CommitUrlCacheEntryW(address.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr, nullptr);
}

bool endProcess(ContractEnvironment&, std::uint32_t processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return false;
    BOOL ended = TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    return ended != FALSE;
}

bool endProcessOfWindow(ContractEnvironment& env, std::uint64_t window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), &processId);
    return processId != 0 && processId != GetCurrentProcessId() && endProcess(env, processId);
}

ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
ComApartment::~ComApartment() {
    if (initialised_) CoUninitialize();
}

}  // namespace umbrix::contract::extras
