#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <vector>

#include "platform/DialogPort.hpp"

namespace umbrix::win32 {

class ModalDialogView;

class Win32Dialogs final : public platform::DialogPort {
public:
    platform::MessageBoxResult messageBox(const platform::MessageBoxRequest& request) override;
    platform::ModalResult showModal(platform::ModalWindow& window) override;

    // The program's one handler for errors escaping a modal window's reactions. Without one,
    // such an error ends the program.
    void setErrorHandler(std::function<void(std::exception_ptr)> onError) { onError_ = std::move(onError); }

    // The controller window, which owns the modal windows that ask for it.
    void setControllerWindow(std::function<HWND()> controller) { controller_ = std::move(controller); }

    // The dialog of an open modal window, for tests that drive the real controls.
    HWND handleOf(const platform::ModalWindow& window) const;

private:
    struct Open {
        const platform::ModalWindow* window;
        ModalDialogView* view;
    };
    std::vector<Open> open_;  // innermost last
    std::function<void(std::exception_ptr)> onError_;
    std::function<HWND()> controller_;
};

}  // namespace umbrix::win32
