#include "app/TrayController.hpp"

#include <stdexcept>
#include <string>
#include <utility>

#include "app/AppTexts.hpp"
#include "app/TrayMenu.hpp"
#include "common/SystemError.hpp"

namespace umbrix::app {

namespace {
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Umbrix";
constexpr std::uint32_t kRightButtonUp = 0x0205;  // WM_RBUTTONUP
constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
}  // namespace

TrayController::TrayController(ErrorHook& errors, ProgramRoot& program, const platform::Platform& ports,
                               platform::ApplicationPort& windows, std::function<void()> terminateApplication)
    : errors_(errors),
      program_(program),
      dialogs_(ports.dialogs),
      registry_(ports.registry),
      system_(ports.system),
      windows_(windows),
      terminateApplication_(std::move(terminateApplication)),
      aboutWindow_(ports.dialogs, ports.cursor, program.engineLinks()) {}

void TrayController::onCreate() {
    errors_.install();
    // A combination another program holds stays unregistered; the hotkey setup reports it.
    errors_.run("register the default hotkeys", [this] { (void)program_.registerHotkeys(); });
    errors_.run("decide the memory trim", [this] { program_.createMemoryTrim(); });
    errors_.run("bind the settings file", [this] { program_.bindSettingsFile(); });
    errors_.run("trim the working set", [this] { program_.trimWorkingSet(); });
    errors_.run("show the tray icon", [this] { program_.showTrayIcon(*this); });
}

void TrayController::runClosingSteps() {
    errors_.run("save the settings at close", [this] { (void)program_.writeOptions(); });
    // The record keeps every window still hidden for the next start; shown before the exit,
    // none is left and the record goes.
    errors_.run("record the hidden windows at close", [this] { program_.recordHiddenWindows(); });
    errors_.run("release the default hotkeys", [this] { program_.releaseDefaultHotkeys(); });
    // Whatever failed before, the user's Task Manager is given back.
    errors_.run("lift the lockdown at exit", [this] { program_.liftLockdownAtExit(); });
}

void TrayController::onDestroy() {
    errors_.run("delete the hotkey atoms", [this] { program_.deleteHotkeyAtoms(); });
    // An icon left behind would stay in the notification area until the mouse passes over it.
    errors_.run("remove the tray icon", [this] { program_.removeTrayIcon(); });
}

void TrayController::onCloseChosen() {
    if (program_.hasHiddenWindows()) {
        platform::MessageBoxRequest question;
        question.text = std::string(kShowHiddenBeforeExitText);
        question.caption = std::string(kProgramName);
        question.buttons = platform::MessageBoxButtons::OkCancel;
        question.icon = platform::MessageBoxIcon::Question;
        question.taskModal = true;
        if (dialogs_.messageBox(question) != platform::MessageBoxResult::Ok) return;
        // Showing them is a way back like the unhide hotkey: while the password guards them, a
        // wrong password or Cancel keeps the program running and the windows hidden.
        if (!program_.unlockHiddenWindows()) return;
        if (!program_.showHiddenWindowsBeforeExit()) {
            // Ending now would strand windows that only this program can bring back.
            platform::MessageBoxRequest failed;
            failed.text = std::string(kHiddenWindowsStayText);
            failed.caption = std::string(kProgramName);
            failed.icon = platform::MessageBoxIcon::Warning;
            failed.taskModal = true;
            dialogs_.messageBox(failed);
            return;
        }
    }
    closeProgram();
}

void TrayController::showTrayMenu() {
    TrayMenuState state;
    state.startSilent = program_.options().startSilent;
    state.autoStart = program_.options().startWithWindows;
    state.stealthAvailable = program_.dispatchersConnected();
    state.mainWindowMayOpen = program_.mainWindowMayOpen();
    state.panicButtonChecked = program_.panicWindow() && program_.panicWindow()->trayEntryChecked();
    const std::uint32_t chosen = windows_.showPopupMenu(trayMenuEntries(state));
    if (chosen != 0) carryOut(chosen);
}

void TrayController::carryOut(std::uint32_t command) {
    switch (static_cast<TrayCommand>(command)) {
        case TrayCommand::StartSilent: return toggleStartSilent();
        case TrayCommand::NormalOperation: return returnToNormalOperation();
        case TrayCommand::StealthMode: return enterStealthMode();
        case TrayCommand::StartWithWindows: return toggleStartWithWindows();
        case TrayCommand::Close: return onCloseChosen();
        case TrayCommand::ChangeIcon: return changeTrayIcon();
        case TrayCommand::About: return showAboutWindow();
        case TrayCommand::OpenMainWindow: return program_.openMainWindow();
        case TrayCommand::ShowPanicButton:
            if (program_.panicWindow()) program_.panicWindow()->toggleFromTrayMenu();
            return;
    }
}

void TrayController::toggleStartSilent() { program_.options().startSilent = !program_.options().startSilent; }

void TrayController::toggleStartWithWindows() {
    bool& autoStart = program_.options().startWithWindows;
    autoStart = !autoStart;
    platform::IoResult result = autoStart
                                    ? registry_.writeValue(platform::RegistryRoot::LocalMachine, kRunKey, kRunValue,
                                                           platform::RegistryValue::ofString(system_.executablePath()),
                                                           /*createKey=*/false)
                                    : registry_.deleteValue(platform::RegistryRoot::LocalMachine, kRunKey, kRunValue);
    if (!result) throw SystemError("cannot change the Run value \"Umbrix\"", result.error);
}

void TrayController::enterStealthMode() {
    // Without the dispatcher of the exit-stealth hotkey nothing could bring the icon back.
    if (!program_.dispatchersConnected() || !program_.stealthMode()) return;
    program_.stealthMode()->enterStealthMode();
}

void TrayController::returnToNormalOperation() {
    if (program_.stealthMode()) (void)program_.stealthMode()->returnToNormalOperation();
}

void TrayController::changeTrayIcon() { program_.changeTrayIcon(); }
void TrayController::showAboutWindow() { aboutWindow_.showAboutWindow(); }

void TrayController::onTrayMouseMessage(std::uint32_t, std::uint32_t mouseMessage) {
    if (mouseMessage == kRightButtonUp) errors_.run("tray menu", [this] { showTrayMenu(); });
    if (mouseMessage == kLeftButtonDoubleClick)
        errors_.run("open the main window", [this] { program_.openMainWindow(); });
}

void TrayController::onTaskbarCreated() {
    errors_.run("add the tray icon to a new taskbar",
                [this] { (void)program_.trayIcon().addAgainAfterTaskbarCreated(); });
}

void TrayController::onTrayRetryTimer() {
    errors_.run("retry the tray icon", [this] { program_.trayIcon().retryPendingRequest(); });
}

void TrayController::onClose() {
    errors_.run("close the program", [this] { closeProgram(); });
}

// The program never holds up the end of the session; it saves when the end is certain.
bool TrayController::onQueryEndSession() { return true; }

void TrayController::onEndSession(bool sessionEnds) {
    // Windows may end the process as soon as this message returns, so everything the program
    // does at its end happens before then.
    if (sessionEnds) errors_.run("close at the end of the session", [this] { closeProgram(); });
}

void TrayController::onIdle() {
    errors_.run("idle moment", [this] { program_.idleTracking().onIdle(); });
}

void TrayController::closeProgram() {
    // A second WM_CLOSE, or the session ending while the program closes, finds the work done.
    if (state_ != State::Open) return;
    state_ = State::Closing;
    // Windows still hidden stay hidden: ended from outside the tray menu (another program, the
    // end of the session), nobody has been asked for the password. The close records them, and
    // the next start takes them back behind the unhide hotkey and its password.
    // Whatever fails while closing, the program still ends.
    errors_.run("close the program", [this] { runClosingSteps(); });
    state_ = State::Closed;
    terminateApplication_();
}

}  // namespace umbrix::app
