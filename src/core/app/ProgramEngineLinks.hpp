#pragma once
// What the window engine asks of the rest of the program, answered by the parts that exist in
// this program: the unlock prompt, the tray icon, the lockdown and mute extras, the controller's
// record of the last active window, the dialog port, the cursor port, the main window and the
// panic button window (until each exists, the engine is told there is none).
#include <string>

#include "app/TrayIconPresence.hpp"
#include "engine/EngineLinks.hpp"
#include "extras/ActivationExtras.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::ui {
class MainWindow;
class PanicButtonWindow;
}  // namespace umbrix::ui

namespace umbrix::app {

// `LastActiveHandle` of the controller: the window the user last worked in while the panic
// button was shown.
class LastActiveWindow final : public engine::ForegroundHistory {
public:
    platform::WindowId lastActiveHandle() override { return LastActiveHandle; }
    platform::WindowId LastActiveHandle{};
};

class ProgramEngineLinks final : public engine::OwnWindows,
                                 public engine::PanicButton,
                                 public engine::TrayIcon,
                                 public engine::Lockdown,
                                 public engine::AudioMute,
                                 public engine::EngineDialogs {
public:
    ProgramEngineLinks(platform::DialogPort& dialogs, platform::CursorPort& cursor, TrayIconPresence& trayIcon,
                       extras::ActivationExtras& extras, password::UnlockPromptSlot& unlockPrompt,
                       LastActiveWindow& lastActive);

    engine::EngineLinks links(engine::HideJournal& hideJournal);

    // OwnWindows
    std::string mainWindowCaption() override;
    bool isMainWindowVisible() override;
    // The main window's handle: an active-window action or the idle tracking never takes it for
    // the user's window.
    platform::WindowId mainWindowHandle() const;
    void closeMainWindow() override;
    bool isPasswordPromptShown() override;
    void closeAndDestroyPasswordPrompt() override;
    bool isAboutWindowShown() override { return aboutWindowShown; }
    void closeAboutWindow() override;

    // PanicButton
    platform::WindowId panicWindowHandle() override;
    bool isPanicWindowShown() override;
    void closePanicWindow() override;

    // TrayIcon: a shell that refuses is not an error of the action that asked.
    void removeTrayIcon() override { (void)trayIcon_.remove(); }
    void showTrayIcon() override { (void)trayIcon_.activate(); }

    // Lockdown
    bool hasAdministratorRights() override { return extras_.lockdown().hasAdministratorRights(); }
    void setTaskManagerDisabled(bool disabled) override { extras_.lockdown().setTaskManagerPolicy(disabled); }
    void liftCtrlAltDelRestrictions() override { extras_.lockdown().setCtrlAltDelPolicy(true); }

    // AudioMute
    void switchMuteOff() override { extras_.audio().muteAudio(false); }

    // EngineDialogs
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> browseForFile(const engine::FileDialogRequest& request) override;
    void setWaitCursor(bool waiting) override { cursor_.showBusy(waiting); }

    // The main window, once it is created.
    ui::MainWindow* mainWindow = nullptr;
    // The panic button window, once it is created.
    ui::PanicButtonWindow* panicWindow = nullptr;
    // The about window, while it is shown modally; closing it ends its modal display.
    platform::ModalWindow* aboutWindow = nullptr;
    bool aboutWindowShown = false;

private:
    platform::DialogPort& dialogs_;
    platform::CursorPort& cursor_;
    TrayIconPresence& trayIcon_;
    extras::ActivationExtras& extras_;
    password::UnlockPromptSlot& unlockPrompt_;
    LastActiveWindow& lastActive_;
};

}  // namespace umbrix::app
