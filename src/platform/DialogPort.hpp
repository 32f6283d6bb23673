#pragma once
// System message boxes.
#include <string>

namespace umbrix::platform {

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };  // MB_OK ...
enum class MessageBoxIcon { None, Information, Question, Warning, Error };  // MB_ICONINFORMATION ...
enum class MessageBoxModality { Application, Task, System };  // MB_APPLMODAL, MB_TASKMODAL, MB_SYSTEMMODAL

// The button that closed a message box (IDOK ...); None when the box could not be shown.
enum class DialogButton { None = 0, Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
    MessageBoxModality modality = MessageBoxModality::Application;

    bool operator==(const MessageBoxRequest&) const = default;
};

class DialogPort {
public:
    DialogPort() = default;
    DialogPort(const DialogPort&) = delete;
    DialogPort& operator=(const DialogPort&) = delete;
    virtual ~DialogPort() = default;

    // MessageBoxW(NULL, text, caption, buttons | icon | modality): shows the box without an owner
    // and waits, running a nested message loop, until the user closes it.
    virtual DialogButton messageBox(const MessageBoxRequest& request) = 0;
};

}  // namespace umbrix::platform
