#include "app/Application.hpp"

#include <functional>

#include <exception>
#include <string>

#include "app/AppTexts.hpp"

namespace umbrix::app {

using platform::InstanceClaim;

Application::Application(platform::Platform& platform, platform::ApplicationPort& windows)
    : platform_(platform), windows_(windows), droppedErrors_(platform.files, platform.clock, platform.system) {
    // A window's reaction that fails is the program's last resort like any other: it goes where
    // every reaction's error goes, and the window and the program go on.
    windows_.setReactionErrorHandler([this](std::exception_ptr error) { errors_.handle("window", error); });
}

Application::~Application() { windows_.setReactionErrorHandler(nullptr); }

int Application::run() {
    try {
        if (start() == StartOutcome::AlreadyRunning) return 0;
    } catch (const std::exception& error) {
        closeSplash();
        windows_.destroyWindows();
        platform_.dialogs.messageBox({std::string(kCannotStartText) + "\n\n" + error.what(), std::string(kProgramName),
                                      platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Error,
                                      /*taskModal=*/true});
        return 1;
    }
    return windows_.runMessageLoop();
}

StartOutcome Application::start() {
    InstanceClaim claim = platform_.instance.claimInstance(kInstanceMutexName);
    if (claim == InstanceClaim::AlreadyRunning) {
        // Nothing else: no window, no settings, no signal to the running instance.
        platform_.dialogs.messageBox({std::string(kAlreadyRunningText), std::string(kProgramName),
                                      platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Information});
        return StartOutcome::AlreadyRunning;
    }
    // InstanceClaim::Unavailable: something that is not our mutex holds the name. Starting
    // without the single-instance guarantee serves the user better than not starting at all.

    program_ = std::make_unique<ProgramRoot>(platform_, errors_);
    // Only the one instance may touch the registry: a restriction left by a crashed run goes.
    program_->liftLeftoverRestriction();

    windows_.createApplicationWindow(kProgramName);
    windows_.makeApplicationWindowToolWindow();

    // The splash covers the creation of the windows; it reads the silent start itself.
    splash_ = std::make_unique<SplashScreen>(windows_, settings::SettingsFile::besideExecutable(platform_));
    showSplash();

    createController();
    createLongLivedWindows();

    // Shown again: the windows' creation may have covered it.
    showSplash();
    windows_.makeApplicationWindowToolWindow();
    if (claim == InstanceClaim::Owned) platform_.instance.releaseInstanceOwnership();
    closeSplash();
    errors_.run("show the main window", [this] { program_->showMainWindowUnlessSilent(); });
    // Told once the start is over, so that no splash covers the message.
    errors_.run("report unregistered default hotkeys", [this] { program_->reportUnregisteredDefaultHotkeys(); });
    return StartOutcome::Running;
}

void Application::showSplash() {
    if (!splash_) return;
    try {
        splash_->showAndPaint();
    } catch (const std::exception&) {
        // The splash only decorates the start: a splash that cannot be shown is left out, and
        // the program starts without it.
        splash_.reset();
    }
}

void Application::closeSplash() {
    if (!splash_) return;
    splash_->close();
    splash_.reset();
}

void Application::createController() {
    controller_ = std::make_unique<TrayController>(errors_, *program_, platform_, windows_, [this] { terminate(); });
    windows_.createControllerWindow(*controller_);
    errors_.run("create the controller", [this] { controller_->onCreate(); });
}

// After the controller, strictly in this order, each under the error hook so that one failing
// step leaves the rest of the program working: the main window's settings (every option, the
// password, the exclusions, the first inventory), the built-in configuration, the explanation
// window, the panic window's settings, the hotkey setup dialog with its hotkey components. The activation
// joins the hotkeys last, once every part it acts through exists.
void Application::createLongLivedWindows() {
    errors_.run("load the settings", [this] { program_->loadMainWindowState(); });
    // On its own: whatever failed in the load, windows an earlier run left hidden come back.
    errors_.run("adopt windows an earlier run left hidden", [this] { program_->adoptLeftoverHiddenWindows(); });
    errors_.run("create the main window", [this] { program_->createMainWindow(windows_); });
    errors_.run("read the configuration", [this] { program_->initConfiguration(); });
    errors_.run("create the explanation window", [this] {
        explanationWindow_ = std::make_unique<ui::ExplanationWindow>(
            windows_, mainWindow_,
            [this](const std::function<void()>& reaction) { errors_.run("explanation window", reaction); });
        explanationWindow_->onCreate();
    });
    errors_.run("load the panic button settings", [this] { program_->loadPanicWindowState(); });
    errors_.run("create the panic button", [this] {
        program_->createPanicWindow(windows_, [this] {
            if (controller_) controller_->onCloseChosen();
        });
    });
    errors_.run("create the hotkey setup dialog", [this] { program_->createHotkeySetupDialog(); });
    errors_.run("connect the activation", [this] { program_->connectActivation(); });
}

void Application::terminate() {
    if (terminated_) return;
    terminated_ = true;
    closeSplash();
    if (controller_) errors_.run("destroy the controller", [this] { controller_->onDestroy(); });
    windows_.destroyWindows();
    windows_.quitMessageLoop(0);
}

}  // namespace umbrix::app
