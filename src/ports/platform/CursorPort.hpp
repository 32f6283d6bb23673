#pragma once
// The mouse cursor over the program's windows while it is busy on the user-interface thread.
namespace umbrix::platform {

class CursorPort {
public:
    CursorPort() = default;
    CursorPort(const CursorPort&) = delete;
    CursorPort& operator=(const CursorPort&) = delete;
    virtual ~CursorPort() = default;

    // SetCursor(LoadCursorW(NULL, IDC_WAIT)) when busy, SetCursor(LoadCursorW(NULL, IDC_ARROW))
    // when not.
    virtual void showBusy(bool busy) = 0;
};

}  // namespace umbrix::platform
