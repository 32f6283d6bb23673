#pragma once
// The view of the controller: a hidden window that hands its messages to the program.
#include "platform/ApplicationPort.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class ControllerWindow final : public WindowBase {
public:
    explicit ControllerWindow(platform::ControllerEvents& events) : events_(events) {}
    void create(HINSTANCE instance, HWND owner);
    // The message loop found its queue empty.
    void idle() { events_.onIdle(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;

    platform::ControllerEvents& events_;
};

}  // namespace umbrix::win32
