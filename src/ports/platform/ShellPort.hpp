#pragma once
// The Windows shell: the Recycle Bin, deleting into it, the recent-documents list, and opening
// a file as a double-click in Explorer would.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

// How far the request to empty the Recycle Bin got.
enum class RecycleBinEmptying {
    LibraryNotLoaded,  // LoadLibraryW("SHELL32.DLL") failed
    EntryPointMissing,  // the library has no "SHEmptyRecycleBinA"
    Requested,  // SHEmptyRecycleBinA was called; the shell does not say how it went
};

// A process that the shell started for a request. It stays open while this object lives, so
// its id cannot pass to another process meanwhile. Windows are raw window handle values.
class StartedProcess {
public:
    StartedProcess() = default;
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    virtual ~StartedProcess() = default;  // CloseHandle

    // GetProcessId.
    virtual std::uint32_t id() const = 0;

    // WaitForSingleObject(process, 0) == WAIT_OBJECT_0.
    virtual bool hasExited() = 0;

    // EnumWindows + GetWindowThreadProcessId + IsWindowVisible + GetWindowTextLengthW +
    // GetWindow(GW_OWNER): the process's first visible, titled, unowned top-level window in Z
    // order; nullopt while it shows none.
    virtual std::optional<std::uint64_t> mainWindow() = 0;

    // IsWindow + GetWindowThreadProcessId: the window still exists and belongs to this process
    // (a handle can name another window once its own is destroyed).
    virtual bool ownsWindow(std::uint64_t window) = 0;
};

struct ShellExecution {
    // What ShellExecuteW returns for the request: above 32 when the shell accepted it,
    // otherwise the shell's error code (2 file not found, 5 access denied, 31 no association...).
    std::uint32_t code = 0;
    // The process started for it; null when none was (a failure, or a document handed to a
    // program that was already running).
    std::unique_ptr<StartedProcess> process;

    bool accepted() const { return code > 32; }
};

class ShellPort {
public:
    ShellPort() = default;
    ShellPort(const ShellPort&) = delete;
    ShellPort& operator=(const ShellPort&) = delete;
    virtual ~ShellPort() = default;

    // LoadLibraryW("SHELL32.DLL") + GetProcAddress("SHEmptyRecycleBinA"), then
    // SHEmptyRecycleBinA(NULL, NULL root, SHERB_NOCONFIRMATION | SHERB_NOSOUND): the Recycle Bin
    // of every drive, without asking; the shell may show its progress window. The library stays
    // loaded.
    virtual RecycleBinEmptying emptyRecycleBin() = 0;

    // SHFileOperationW(FO_DELETE, pFrom = pattern, fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION |
    // FOF_RENAMEONCOLLISION | FOF_SILENT | FOF_NOERRORUI): whatever the pattern (a path whose
    // last part may hold wildcards) matches, folders with their contents, goes to the Recycle
    // Bin without any dialog. Returns when the operation has finished.
    virtual IoResult recycle(std::string_view pattern) = 0;

    // SHAddToRecentDocs(SHARD_PATHW, NULL): empties the shell's list of recent documents. The
    // shell reports nothing back.
    virtual void clearRecentDocuments() = 0;

    // ShellExecuteExW(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI, no owner, default verb,
    // file, no parameters, no folder, SW_SHOWNORMAL): starts a program, or opens a document
    // with the program of its type, and returns at once. The shell shows no error box.
    virtual ShellExecution execute(std::string_view file) = 0;
};

}  // namespace umbrix::platform
