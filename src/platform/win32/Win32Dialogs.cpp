#include "platform/win32/Win32Dialogs.hpp"

#include <windows.h>

#include "platform/win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::DialogButton;
using platform::MessageBoxButtons;
using platform::MessageBoxIcon;
using platform::MessageBoxModality;

namespace {

UINT buttonFlags(MessageBoxButtons buttons) {
    switch (buttons) {
        case MessageBoxButtons::Ok: return MB_OK;
        case MessageBoxButtons::OkCancel: return MB_OKCANCEL;
        case MessageBoxButtons::YesNo: return MB_YESNO;
        case MessageBoxButtons::YesNoCancel: return MB_YESNOCANCEL;
        case MessageBoxButtons::RetryCancel: return MB_RETRYCANCEL;
    }
    return MB_OK;
}

UINT iconFlags(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::None: return 0;
        case MessageBoxIcon::Information: return MB_ICONINFORMATION;
        case MessageBoxIcon::Question: return MB_ICONQUESTION;
        case MessageBoxIcon::Warning: return MB_ICONWARNING;
        case MessageBoxIcon::Error: return MB_ICONERROR;
    }
    return 0;
}

UINT modalityFlags(MessageBoxModality modality) {
    switch (modality) {
        case MessageBoxModality::Application: return MB_APPLMODAL;
        case MessageBoxModality::Task: return MB_TASKMODAL;
        case MessageBoxModality::System: return MB_SYSTEMMODAL;
    }
    return MB_APPLMODAL;
}

DialogButton buttonFromId(int id) {
    switch (id) {
        case IDOK: return DialogButton::Ok;
        case IDCANCEL: return DialogButton::Cancel;
        case IDRETRY: return DialogButton::Retry;
        case IDYES: return DialogButton::Yes;
        case IDNO: return DialogButton::No;
        default: return DialogButton::None;
    }
}

}  // namespace

DialogButton Win32Dialogs::messageBox(const platform::MessageBoxRequest& request) {
    int id = MessageBoxW(nullptr, widen(request.text).c_str(), widen(request.caption).c_str(),
                         buttonFlags(request.buttons) | iconFlags(request.icon) | modalityFlags(request.modality));
    return buttonFromId(id);
}

}  // namespace umbrix::win32
