#include "win32/Win32Shell.hpp"

#include <shellapi.h>
#include <shlobj.h>

#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::IoResult;

namespace {

HWND toWindow(std::uint64_t window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }
std::uint64_t fromWindow(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

DWORD processOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

class Win32StartedProcess final : public platform::StartedProcess {
public:
    explicit Win32StartedProcess(HANDLE process) : process_(process), id_(GetProcessId(process)) {}

    std::uint32_t id() const override { return id_; }

    bool hasExited() override { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

    std::optional<std::uint64_t> mainWindow() override {
        struct Search {
            DWORD id;
            HWND found;
        } search{id_, nullptr};
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                if (processOf(window) != s->id || !IsWindowVisible(window) || GetWindowTextLengthW(window) == 0 ||
                    GetWindow(window, GW_OWNER) != nullptr)
                    return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) return std::nullopt;
        return fromWindow(search.found);
    }

    bool ownsWindow(std::uint64_t window) override {
        HWND handle = toWindow(window);
        return IsWindow(handle) && processOf(handle) == id_;
    }

private:
    UniqueHandle process_;
    DWORD id_;
};

// ShellExecuteExW sets hInstApp to an SE_ERR_ code when it fails, as ShellExecuteW returns it;
// should it leave none, the system error says which.
std::uint32_t shellErrorCode(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return SE_ERR_FNF;
        case ERROR_PATH_NOT_FOUND: return SE_ERR_PNF;
        case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return SE_ERR_OOM;
        case ERROR_BAD_FORMAT:
        case ERROR_BAD_EXE_FORMAT: return ERROR_BAD_FORMAT;
        case ERROR_DLL_NOT_FOUND: return SE_ERR_DLLNOTFOUND;
        case ERROR_SHARING_VIOLATION: return SE_ERR_SHARE;
        case ERROR_NO_ASSOCIATION: return SE_ERR_NOASSOC;
        default: return 0;  // "out of memory or resources", as ShellExecuteW says for anything else
    }
}

}  // namespace

platform::RecycleBinEmptying Win32Shell::emptyRecycleBin() {
    if (!shellLibrary_) shellLibrary_ = LoadLibraryW(L"SHELL32.DLL");
    if (!shellLibrary_) return platform::RecycleBinEmptying::LibraryNotLoaded;
    using EmptyRecycleBinA = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    FARPROC entry = GetProcAddress(shellLibrary_, "SHEmptyRecycleBinA");
    if (!entry) return platform::RecycleBinEmptying::EntryPointMissing;
    // No root means every drive's bin. Windows reads an empty root the same way, Wine's shell
    // only the null one. Its HRESULT says nothing useful: an empty bin is an error to some versions.
    reinterpret_cast<EmptyRecycleBinA>(reinterpret_cast<void*>(entry))(nullptr, nullptr,
                                                                       SHERB_NOCONFIRMATION | SHERB_NOSOUND);
    return platform::RecycleBinEmptying::Requested;
}

IoResult Win32Shell::recycle(std::string_view pattern) {
    std::wstring from = widen(pattern);
    from.push_back(L'\0');  // the list ends with a second NUL, which c_str() adds
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_RENAMEONCOLLISION | FOF_SILENT | FOF_NOERRORUI;
    operation.lpszProgressTitle = L"";
    int result = SHFileOperationW(&operation);
    if (result != 0) return IoResult::failure(static_cast<std::uint32_t>(result));
    if (operation.fAnyOperationsAborted) return IoResult::failure(ERROR_CANCELLED);
    return IoResult::success();
}

void Win32Shell::clearRecentDocuments() { SHAddToRecentDocs(SHARD_PATHW, nullptr); }

platform::ShellExecution Win32Shell::execute(std::string_view file) {
    std::wstring path = widen(file);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // No error box from the shell: a decoy that cannot open must not put a dialog in front of
    // the user, and a modal one would stop the program until answered.
    request.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    request.lpFile = path.c_str();
    request.nShow = SW_SHOWNORMAL;
    BOOL accepted = ShellExecuteExW(&request);
    DWORD error = accepted ? ERROR_SUCCESS : GetLastError();

    platform::ShellExecution execution;
    execution.code = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(request.hInstApp));
    if (accepted && execution.code <= 32) execution.code = 42;  // what ShellExecuteW answers for success
    if (!accepted && (execution.code > 32 || execution.code == 0)) execution.code = shellErrorCode(error);
    if (request.hProcess) execution.process = std::make_unique<Win32StartedProcess>(request.hProcess);
    return execution;
}

}  // namespace umbrix::win32
