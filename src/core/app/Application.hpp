#pragma once
// The process of the program from start to end: the single-instance rule, the hidden
// application window, the long-lived windows in their fixed order, the message loop, and the
// end of the program when the controller closes.
#include <memory>

#include "app/ErrorHook.hpp"
#include "app/MainWindowStandIn.hpp"
#include "app/ProgramRoot.hpp"
#include "app/TrayController.hpp"
#include "app/SplashScreen.hpp"
#include "platform/ApplicationPort.hpp"
#include "platform/Platform.hpp"
#include "ui/ExplanationWindow.hpp"

namespace umbrix::app {

enum class StartOutcome {
    Running,  // this is the instance; the message loop runs next
    AlreadyRunning,  // another instance runs: the user was told, nothing else happened
};

class Application {
public:
    Application(platform::Platform& platform, platform::ApplicationPort& windows);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up, then the message loop until the program ends. Returns the exit code: 0, or 1
    // when the program could not build its windows (the user is told why).
    int run();

    // Start-up alone. Errors before the controller has installed the error hook go to the
    // caller; after it, the hook drops them and start-up goes on.
    StartOutcome start();

    // Ends the program: the windows go, then the message loop ends. Runs once.
    void terminate();

    TrayController* controller() { return controller_.get(); }
    const SplashScreen* splash() const { return splash_.get(); }
    ProgramRoot* program() { return program_.get(); }
    ui::ExplanationWindow* explanationWindow() { return explanationWindow_.get(); }
    ErrorHook& errors() { return errors_; }
    bool terminated() const { return terminated_; }

private:
    void showSplash();
    void closeSplash();
    void createController();
    void createLongLivedWindows();

    platform::Platform& platform_;
    platform::ApplicationPort& windows_;
    DroppedErrorLog droppedErrors_;
    ErrorHook errors_{droppedErrors_};
    std::unique_ptr<ProgramRoot> program_;  // outlives the controller, which calls into it
    std::unique_ptr<TrayController> controller_;
    MainWindowNotBuiltYet mainWindow_;
    std::unique_ptr<ui::ExplanationWindow> explanationWindow_;
    std::unique_ptr<SplashScreen> splash_;  // only during start-up
    bool terminated_ = false;
};

}  // namespace umbrix::app
