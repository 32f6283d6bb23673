#include "platform/win32/app/Win32Application.hpp"

#include "platform/win32/app/Win32Error.hpp"

namespace umbrix::win32 {

void Win32Application::createApplicationWindow(std::string_view title) {
    applicationWindow_.create(instance_, title);
}

void Win32Application::makeApplicationWindowToolWindow() { applicationWindow_.makeToolWindow(); }

void Win32Application::createControllerWindow(platform::ControllerEvents& events) {
    controllerWindow_ = std::make_unique<ControllerWindow>(events);
    controllerWindow_->create(instance_, applicationWindow_.hwnd());
}

void Win32Application::destroyWindows() {
    if (controllerWindow_) controllerWindow_->destroy();
    applicationWindow_.destroy();
}

int Win32Application::runMessageLoop() {
    MSG message{};
    for (;;) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) throwLastError("the message loop failed");
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Application::quitMessageLoop(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace umbrix::win32
