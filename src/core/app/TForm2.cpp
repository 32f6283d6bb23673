#include "app/TForm2.hpp"

#include <stdexcept>
#include <string>
#include <utility>

#include "app/AppTexts.hpp"
#include "app/TrayMenu.hpp"

namespace umbrix::app {

namespace {
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Umbrix";
constexpr std::uint32_t kRightButtonUp = 0x0205;  // WM_RBUTTONUP
}  // namespace

TForm2::TForm2(ErrorHook& errors, ProgramRoot& program, const platform::Platform& ports,
               platform::ApplicationPort& windows, std::function<void()> terminateApplication)
    : errors_(errors),
      program_(program),
      dialogs_(ports.dialogs),
      registry_(ports.registry),
      system_(ports.system),
      windows_(windows),
      terminateApplication_(std::move(terminateApplication)),
      aboutWindow_(ports.dialogs, ports.cursor, program.engineLinks()) {}

void TForm2::FormCreate() {
    errors_.install();
    // A combination another program holds stays unregistered; the hotkey setup reports it.
    errors_.run([this] { (void)program_.RegisterHotKeys(); });
    errors_.run([this] { program_.createOptions(); });
    errors_.run([this] { program_.CreateINIFile(); });
    errors_.run([this] { program_.TrimWorkingSet(); });
    errors_.run([this] { program_.showTrayIcon(*this); });
}

void TForm2::FormClose() {
    errors_.run([this] { (void)program_.WriteAppSelections(); });
    // The record keeps every window still hidden for the next start; shown before the exit,
    // none is left and the record goes.
    errors_.run([this] { program_.recordHiddenWindows(); });
    errors_.run([this] { program_.releaseDefaultHotKeys(); });
    // Whatever failed before, the user's Task Manager is given back.
    errors_.run([this] { program_.liftLockdownAtExit(); });
}

void TForm2::FormDestroy() {
    errors_.run([this] { program_.deleteHotKeyAtoms(); });
    // An icon left behind would stay in the notification area until the mouse passes over it.
    errors_.run([this] { program_.removeTrayIcon(); });
}

void TForm2::Exit1Click() {
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

void TForm2::PopupMenu1Popup() {
    TrayMenuState state;
    state.startSilent = program_.selections().cbSilent;
    state.autoStart = program_.selections().AutoStart;
    state.stealthAvailable = program_.dispatchersConnected();
    const std::uint32_t chosen = windows_.showPopupMenu(trayMenuEntries(state));
    if (chosen != 0) carryOut(chosen);
}

void TForm2::carryOut(std::uint32_t command) {
    switch (static_cast<TrayCommand>(command)) {
        case TrayCommand::StartSilent: return DisSplScrClick();
        case TrayCommand::NormalOperation: return Normaloperation1Click();
        case TrayCommand::StealthMode: return Switchtostealthmode1Click();
        case TrayCommand::AutoStart: return AutoStartClick();
        case TrayCommand::Close: return Exit1Click();
        case TrayCommand::ChangeIcon: return ChangeIcon1Click();
        case TrayCommand::About: return About1Click();
    }
}

void TForm2::DisSplScrClick() { program_.selections().cbSilent = !program_.selections().cbSilent; }

void TForm2::AutoStartClick() {
    bool& autoStart = program_.selections().AutoStart;
    autoStart = !autoStart;
    platform::IoResult result = autoStart
                                    ? registry_.writeValue(platform::RegistryRoot::LocalMachine, kRunKey, kRunValue,
                                                           platform::RegistryValue::ofString(system_.executablePath()),
                                                           /*createKey=*/false)
                                    : registry_.deleteValue(platform::RegistryRoot::LocalMachine, kRunKey, kRunValue);
    if (!result)
        throw std::runtime_error("cannot change the Run value \"Umbrix\" (Windows error " +
                                 std::to_string(result.error) + ")");
}

void TForm2::Switchtostealthmode1Click() {
    // Without the dispatcher of the exit-stealth hotkey nothing could bring the icon back.
    if (!program_.dispatchersConnected() || !program_.stealthMode()) return;
    program_.stealthMode()->Switchtostealthmode1Click();
}

void TForm2::Normaloperation1Click() {
    if (program_.stealthMode()) (void)program_.stealthMode()->Normaloperation1Click();
}

void TForm2::ChangeIcon1Click() { program_.ChangeIcon1Click(); }
void TForm2::About1Click() { aboutWindow_.About1Click(); }

void TForm2::onTrayMouseMessage(std::uint32_t, std::uint32_t mouseMessage) {
    if (mouseMessage == kRightButtonUp) errors_.run([this] { PopupMenu1Popup(); });
}

void TForm2::onTaskbarCreated() {
    errors_.run([this] { (void)program_.trayIcon().addAgainAfterTaskbarCreated(); });
}

void TForm2::onTrayRetryTimer() {
    errors_.run([this] { program_.trayIcon().retryPendingRequest(); });
}

void TForm2::onClose() {
    errors_.run([this] { closeProgram(); });
}

// The program never holds up the end of the session; it saves when the end is certain.
bool TForm2::onQueryEndSession() { return true; }

void TForm2::onEndSession(bool sessionEnds) {
    // Windows may end the process as soon as this message returns, so everything the program
    // does at its end happens before then.
    if (sessionEnds) errors_.run([this] { closeProgram(); });
}

void TForm2::onIdle() {
    errors_.run([this] { program_.idleTracking().ApplicationEvents1Idle(); });
}

void TForm2::closeProgram() {
    // A second WM_CLOSE, or the session ending while the program closes, finds the work done.
    if (state_ != State::Open) return;
    state_ = State::Closing;
    // Windows still hidden stay hidden: ended from outside the tray menu (another program, the
    // end of the session), nobody has been asked for the password. The close records them, and
    // the next start takes them back behind the unhide hotkey and its password.
    // Whatever fails while closing, the program still ends.
    errors_.run([this] { FormClose(); });
    state_ = State::Closed;
    terminateApplication_();
}

}  // namespace umbrix::app
