#pragma once
// Message boxes and modal windows of the program.
#include <optional>
#include <string>

#include "platform/ModalWindow.hpp"

namespace umbrix::platform {

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };  // MB_OK ... MB_YESNOCANCEL
enum class MessageBoxIcon { None, Error, Warning, Information, Question };  // MB_ICONERROR ...
enum class MessageBoxResult : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };  // IDOK ... IDNO

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
    bool taskModal = false;  // MB_TASKMODAL
    const ModalWindow* owner = nullptr;  // the open modal window it belongs to; nullptr: no owner

    bool operator==(const MessageBoxRequest&) const = default;
};

// The file-open dialog: its title, its filter as pairs of a description and its patterns
// ("All files|*.*|Applications|*.exe"), and the extension a typed name without one gets (none
// for a wildcard such as "*.*").
struct FileOpenRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension;

    bool operator==(const FileOpenRequest&) const = default;
};

class DialogPort {
public:
    DialogPort() = default;
    DialogPort(const DialogPort&) = delete;
    DialogPort& operator=(const DialogPort&) = delete;
    virtual ~DialogPort() = default;

    // MessageBoxW (MB_SETFOREGROUND): waits for the user's answer. Closing the box without a
    // choice answers Cancel, or Ok for a box with one button.
    virtual MessageBoxResult messageBox(const MessageBoxRequest& request) = 0;

    // DialogBoxParamW of the window's template, owned by the innermost open modal window (with
    // none open: by the controller if the window asks for it, otherwise by nothing), with
    // every other window of the program disabled meanwhile. Returns once the window has closed,
    // with its result. A window that is showing already is not shown again: None, at once.
    virtual ModalResult showModal(ModalWindow& window) = 0;

    // GetOpenFileNameW, owned by the program's active window: the full name of an existing
    // file the user picked, nullopt when the user cancels. The working folder stays as it was.
    virtual std::optional<std::string> chooseFileToOpen(const FileOpenRequest& request) = 0;
};

}  // namespace umbrix::platform
