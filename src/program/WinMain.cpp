// The process entry of Umbrix.exe. It takes nothing from its command line.
#include <windows.h>

#include "app/Application.hpp"
#include "views/Win32Platform.hpp"
#include "win32/OleSession.hpp"
#include "win32/Win32Application.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // OLE first, before the adapters start COM on this thread, and ended after every window
    // and control of the program is gone.
    umbrix::win32::OleSession ole;
    // Declared before the rest, so destroyed after it: the program's parts hold its ports to
    // their end.
    umbrix::win32::Win32Platform system;
    umbrix::win32::Win32Application windows(instance);
    umbrix::win32::registerProgramWindows(windows, system.icons);
    umbrix::platform::Platform ports = system.platform();
    umbrix::app::Application application(ports, windows);
    // An error escaping a dialog's reaction goes where every reaction's error goes.
    system.dialogs.setErrorHandler(
        [&application](std::exception_ptr error) { application.errors().handle("dialog", error); });
    // The icon picker belongs to the program's application window, once that exists.
    system.icons.setOwnerWindow([&windows] { return windows.applicationWindow(); });
    system.dialogs.setControllerWindow([&windows] { return windows.controllerWindow(); });
    return application.run();
}
