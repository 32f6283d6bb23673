#pragma once
// The real application port: the hidden application and controller windows and the message
// loop of the user-interface thread.
#include <windows.h>

#include <memory>

#include "platform/ApplicationPort.hpp"
#include "win32/ApplicationWindow.hpp"
#include "win32/ControllerWindow.hpp"
#include "win32/ExplanationWindowView.hpp"
#include "win32/SplashWindow.hpp"

namespace umbrix::win32 {

class Win32Application final : public platform::ApplicationPort {
public:
    explicit Win32Application(HINSTANCE instance) : instance_(instance) {}

    void createApplicationWindow(std::string_view title) override;
    void makeApplicationWindowToolWindow() override;
    void createControllerWindow(platform::ControllerEvents& events) override;
    void createExplanationWindow(const std::vector<platform::ExplanationEntry>& entries,
                                 platform::ExplanationWindowEvents& events) override;
    void showExplanationWindow(bool visible) override;
    void showSplashWindow(const platform::SplashContent& content) override;
    void closeSplashWindow() override;
    void destroyWindows() override;
    int runMessageLoop() override;
    void quitMessageLoop(int exitCode) override;
    std::uint32_t showPopupMenu(const std::vector<platform::MenuEntry>& entries) override;

    // The owner of every other window of the program.
    HWND applicationWindow() const { return applicationWindow_.hwnd(); }
    HWND controllerWindow() const { return controllerWindow_ ? controllerWindow_->hwnd() : nullptr; }

private:
    HINSTANCE instance_;
    ApplicationWindow applicationWindow_;
    // Kept until the end of the process: the window may be destroyed from inside its own
    // message handler, and the object must outlive that call.
    std::unique_ptr<ControllerWindow> controllerWindow_;
    std::unique_ptr<ExplanationWindowView> explanationWindow_;
    std::unique_ptr<SplashWindow> splashWindow_;
};

}  // namespace umbrix::win32
