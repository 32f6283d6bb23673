#pragma once
// The composition root: every long-lived part of the program, owned here for the program's
// lifetime and wired to the ports of one platform. The start-up order and the controller's
// creation and close call its steps; nothing in the core reaches these parts any other way.
#include <memory>
#include <optional>

#include "app/ApplicationIdleHandler.hpp"
#include "app/ProgramEngineLinks.hpp"
#include "app/ErrorHook.hpp"
#include "app/HiddenWindowJournal.hpp"
#include "app/StealthMode.hpp"
#include "app/TrayIconChange.hpp"
#include "app/TrayIconPresence.hpp"
#include "config/Configuration.hpp"
#include "config/MemoryTrim.hpp"
#include "engine/HiddenWindowRecovery.hpp"
#include "engine/WindowEngine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/Decoy.hpp"
#include "hotkeys/ActivationDispatch.hpp"
#include "activation/ActivationSequence.hpp"
#include "hotkeys/DefaultHotkeys.hpp"
#include "hotkeys/HotkeyIdentifiers.hpp"
#include "hotkeys/HotkeyRouter.hpp"
#include "hotkeys/HotkeyText.hpp"
#include "hotkeys/OwnedHotkeyWindow.hpp"
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/Platform.hpp"
#include "settings/Options.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsSave.hpp"
#include "ui/HotkeySetupDialog.hpp"
#include "ui/PanicButtonWindow.hpp"
#include "ui/main/MainWindow.hpp"

namespace umbrix::app {

class ProgramRoot {
public:
    // Touches nothing outside the process: the steps below do, in the start-up order.
    ProgramRoot(platform::Platform ports, ErrorHook& errors);
    ProgramRoot(const ProgramRoot&) = delete;
    ProgramRoot& operator=(const ProgramRoot&) = delete;
    ~ProgramRoot();

    // Start-up, once this is the only instance: a Task Manager restriction that an earlier run
    // could not lift (a crash) is lifted.
    void liftLeftoverRestriction();

    // The controller's creation, in its order.
    hotkeys::DefaultHotkeyRegistration registerHotkeys();
    void createMemoryTrim();
    void bindSettingsFile();
    void trimWorkingSet();
    // The tray icon is active from the controller's creation; "TaskbarCreated" adds it again.
    void showTrayIcon(platform::TrayEventSink& events);

    // What the main window's creation loads: every option from the settings file, the stored
    // password, the tray icon chosen in the settings and the exclusion file; then the first
    // inventory.
    void loadMainWindowState();
    // The main window, over what the load has read; hidden until shown.
    void createMainWindow(platform::ModelessWindowHost& windows);
    // The start shows the main window unless it is silent.
    void showMainWindowUnlessSilent();
    // "&Open main window": enabled unless windows are hidden while "Require passwords to unhide
    // windows" is checked. The tray icon's double-click follows the same rule, so neither is a
    // way to the hidden-window page around the password.
    bool mainWindowMayOpen() const;
    void openMainWindow();
    // The windows an earlier run left hidden (killed before it could show them) go back into
    // the hidden-window list, where the unhide hotkey (and its password) finds them. Only once
    // the load has told whether the password guards them: otherwise they stay hidden, and in
    // the record, for a later start.
    void adoptLeftoverHiddenWindows();
    // Brings the on-disk record of the hidden windows up to date (after every activation and at
    // the close). Throws when the record cannot be written.
    void recordHiddenWindows();
    // The built-in configuration (version, update folders).
    void initConfiguration();
    // The panic window's creation: its place, size and label.
    void loadPanicWindowState();
    // The panic button over what that load has read, shown from now on; `closeProgram` is the
    // controller's "&Close Umbrix".
    void createPanicWindow(platform::ApplicationPort& windows, std::function<void()> closeProgram);
    // The panic window's "Restore hidden windows": every hidden window shown, through the unlock
    // prompt while the password guards them; nothing with none hidden.
    void restoreHiddenWindowsFromPanicButton();
    // The hotkey setup dialog's creation, with the custom and exit-stealth hotkey components it
    // owns, and stealth mode, which the exit-stealth hotkey ends.
    void createHotkeySetupDialog();
    // The hotkey setup dialog, modally ("Change", and a default hotkey that could not be
    // registered). Nothing happens before the dialog exists.
    void showHotkeySetupDialog();

    // The activation: its dispatchers are built over the engine, the extras, the decoy, the
    // unlock prompt and the settings model, and join the hotkeys. Needs the hotkey components.
    void connectActivation();
    // In default mode, a default hotkey that could not be registered (another program holds
    // the combination) is reported to the user, and the hotkey setup dialog opens for keys of
    // their own: otherwise the key would silently do nothing.
    void reportUnregisteredDefaultHotkeys();
    // The dispatchers join here (the application-wide hook of the default set and the
    // components' dispatchComponentHotkey). Until they are connected no hotkey press starts anything.
    void connectDispatchers(hotkeys::DefaultHotkeyDispatcher& defaultSet,
                            hotkeys::HotkeyComponentDispatcher& components);
    bool dispatchersConnected() const { return dispatchersConnected_; }

    // "&Change Icon...": the picker, the new tray icon, and "IconFile" and "IconIndex" written.
    void changeTrayIcon();

    // The controller's close, each step on its own under the error hook.
    settings::FullSaveResult writeOptions();
    void releaseDefaultHotkeys();
    void liftLockdownAtExit();
    // The controller's destruction.
    void deleteHotkeyAtoms();
    void removeTrayIcon();

    // "UsePW" is on and a password is set: hidden windows come back only through the prompt.
    bool passwordGuardsHiddenWindows() const;
    // Before hidden windows are shown other than by the unhide hotkey: while the password guards
    // them, the unlock prompt asks for it. True when they may be shown.
    bool unlockHiddenWindows();
    // "&Close Umbrix" with windows hidden: shows them again, keeping the list.
    bool showHiddenWindowsBeforeExit();
    bool hasHiddenWindows() const;

    settings::Options& options() { return options_; }
    settings::SettingsFile* settingsFile() { return settingsFile_ ? &*settingsFile_ : nullptr; }
    const std::optional<config::Configuration>& configuration() const { return configuration_; }
    engine::WindowEngine& engine() { return engine_; }
    extras::ActivationExtras& extras() { return extras_; }
    extras::Decoy& decoy() { return decoy_; }
    password::UnhidePassword& password() { return password_; }
    password::UnlockPromptSlot& unlockPrompt() { return unlockPrompt_; }
    hotkeys::HotkeyRouter& router() { return router_; }
    hotkeys::DefaultHotkeys* defaultHotkeys() { return defaultHotkeys_.get(); }
    ui::HotkeySetupDialog* hotkeySetupDialog() { return hotkeyDialog_.get(); }
    ui::MainWindow* mainWindow() { return mainWindow_.get(); }
    ui::PanicButtonWindow* panicWindow() { return panicWindow_.get(); }
    hotkeys::HotkeyComponents* hotkeyComponents() { return hotkeyDialog_ ? &hotkeyDialog_->components() : nullptr; }
    StealthMode* stealthMode() { return stealth_.get(); }
    TrayIconPresence& trayIcon() { return trayIcon_; }
    TrayIconChange& trayIconChange() { return trayIconChange_; }
    // onIdle, and the activation::IdleTracking that dispatchComponentHotkey detaches and attaches.
    ApplicationIdleHandler& idleTracking() { return idleHandler_; }
    LastActiveWindow& lastActiveWindow() { return lastActive_; }
    ProgramEngineLinks& engineLinks() { return engineLinks_; }
    activation::ActivationSequence* activation() { return activation_.get(); }

private:
    platform::Platform ports_;
    ErrorHook& errors_;

    settings::Options options_;
    std::optional<settings::SettingsFile> settingsFile_;
    std::optional<config::MemoryTrim> memoryTrim_;
    std::optional<config::Configuration> configuration_;

    extras::ActivationExtras extras_;
    extras::Decoy decoy_;
    TrayIconPresence trayIcon_;
    TrayIconChange trayIconChange_;
    LastActiveWindow lastActive_;

    password::PasswordStore passwordStore_;
    password::UnhidePassword password_;
    password::UnlockPromptSlot unlockPrompt_;

    engine::HiddenWindowRecovery hiddenWindowRecovery_;
    HiddenWindowJournal hiddenWindowJournal_;
    ProgramEngineLinks engineLinks_;
    engine::WindowEngine engine_;
    ApplicationIdleHandler idleHandler_;

    // The one router outlives every hotkey component and the default set.
    hotkeys::HotkeyIdentifiers identifiers_;
    hotkeys::HotkeyText hotkeyText_;
    hotkeys::HotkeyRouter router_;
    std::unique_ptr<hotkeys::OwnedHotkeyWindow> applicationHotkeyWindow_;
    std::unique_ptr<hotkeys::DefaultHotkeys> defaultHotkeys_;
    std::unique_ptr<ui::HotkeySetupDialog> hotkeyDialog_;
    std::unique_ptr<ui::MainWindow> mainWindow_;
    std::unique_ptr<ui::PanicButtonWindow> panicWindow_;
    std::unique_ptr<StealthMode> stealth_;
    // Built after every part it takes; the router and the components call into it until the end.
    std::unique_ptr<activation::ActivationSequence> activation_;
    bool dispatchersConnected_ = false;
    bool selectionsLoaded_ = false;
    // "UsePW" and the password were read: windows left hidden may be taken back.
    bool unhideGuardKnown_ = false;
};

}  // namespace umbrix::app
