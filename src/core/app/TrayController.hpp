#pragma once
// The program's controller: a window that is never shown, whose end is the program's end. It
// installs the application-wide error hook when it is created, binds the settings and registers
// the default hotkeys, and runs the closing steps when it is closed or when the Windows session
// ends.
#include <functional>

#include "app/AboutWindowSlot.hpp"
#include "app/ErrorHook.hpp"
#include "app/ProgramRoot.hpp"
#include "platform/ApplicationPort.hpp"
#include "platform/DialogPort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TrayPort.hpp"

namespace umbrix::app {

class TrayController final : public platform::ControllerEvents, public platform::TrayEventSink {
public:
    // `terminateApplication` ends the application once the closing steps have run.
    TrayController(ErrorHook& errors, ProgramRoot& program, const platform::Platform& ports,
                   platform::ApplicationPort& windows, std::function<void()> terminateApplication);

    // Creation: the error hook first, so that a failure in any later step is dropped there and
    // start-up goes on; then, each on its own, the default hotkeys, the options record, the
    // settings binding (bindSettingsFile), the working-set trim and the tray icon.
    void onCreate();
    // The closing steps, each on its own under the error hook, so that one failing step keeps
    // neither the others nor the end of the program from happening: the full settings save
    // (writeOptions), the release of the default hotkeys and the end of the lock-down.
    void runClosingSteps();
    // After the closing steps: the hotkey atoms are deleted and the tray icon removed.
    void onDestroy();

    // "&Close Umbrix": with windows hidden the user may have them shown first (through the
    // unlock prompt while the password guards them), or stay. Should showing them fail, the
    // program stays so that they are not lost.
    void onCloseChosen();

    // The tray menu: brought up to date, shown at the mouse, its choice carried out.
    void showTrayMenu();
    // "&Start silent (disables splash screen)": toggles startSilent, which the entry shows.
    void toggleStartSilent();
    // "Start with &Windows": toggles the mark and writes or deletes the Run value "Umbrix". A
    // machine that refuses (no administrator rights) leaves the mark as toggled.
    void toggleStartWithWindows();
    void enterStealthMode();
    void returnToNormalOperation();
    // "&Change Icon...".
    void changeTrayIcon();
    // "&About": the about window, shown modally.
    void showAboutWindow();
    AboutWindowSlot& aboutWindow() { return aboutWindow_; }

    // The shell's reports on the tray icon.
    void onTrayMouseMessage(std::uint32_t id, std::uint32_t mouseMessage) override;
    void onTaskbarCreated() override;
    void onTrayRetryTimer() override;

    // Messages of the controller window.
    void onClose() override;
    bool onQueryEndSession() override;
    void onEndSession(bool sessionEnds) override;
    // onIdle: the message queue has run empty.
    void onIdle() override;

    bool closing() const { return state_ != State::Open; }

private:
    enum class State { Open, Closing, Closed };
    void closeProgram();

    ErrorHook& errors_;
    void carryOut(std::uint32_t command);

    ProgramRoot& program_;
    platform::DialogPort& dialogs_;
    platform::RegistryPort& registry_;
    platform::SystemPort& system_;
    platform::ApplicationPort& windows_;
    std::function<void()> terminateApplication_;
    State state_ = State::Open;
    AboutWindowSlot aboutWindow_;
};

}  // namespace umbrix::app
