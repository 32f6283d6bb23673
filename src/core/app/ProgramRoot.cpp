#include "app/ProgramRoot.hpp"

#include <stdexcept>
#include <string>

#include "app/AppTexts.hpp"
#include "common/BesideExecutable.hpp"
#include "common/SystemError.hpp"
#include "config/InitConfiguration.hpp"
#include "password/PasswordGate.hpp"
#include "settings/SettingsLoad.hpp"

namespace umbrix::app {

ProgramRoot::ProgramRoot(platform::Platform ports, ErrorHook& errors)
    : ports_(ports),
      errors_(errors),
      extras_(ports),
      decoy_(ports.shell),
      trayIcon_(ports.tray, platform::IconLocation{}),
      trayIconChange_(ports.icons, trayIcon_),
      passwordStore_(ports.registry, ports.crypto),
      password_(ports.crypto),
      unlockPrompt_(ports.dialogs, ports.cursor, password_, passwordStore_),
      hiddenWindowRecovery_(ports.files, ports.windows, ports.processes, ports.clock,
                            fileBesideExecutable(ports.system.executablePath(), engine::kHiddenWindowRecordName)),
      hiddenWindowJournal_(hiddenWindowRecovery_, errors),
      engineLinks_(ports.dialogs, ports.cursor, trayIcon_, extras_, unlockPrompt_, lastActive_),
      engine_(ports, engineLinks_.links(hiddenWindowJournal_), options_),
      idleHandler_(
          ports.windows, engineLinks_, [this] { return engineLinks_.mainWindowHandle(); }, options_, lastActive_),
      hotkeyText_(ports.hotkeys, ports.text),
      router_(ports.hotkeys, [&errors](std::exception_ptr error) { errors.handle("hotkey", error); }) {}

ProgramRoot::~ProgramRoot() {
    ports_.tray.setEventSink(nullptr);
    engineLinks_.mainWindow = nullptr;
    engineLinks_.panicWindow = nullptr;
    // No hotkey reaches the activation while the parts it acts through go.
    router_.setApplicationHook(nullptr);
    // The unlock prompt's window goes before the password it reads.
    unlockPrompt_.discard();
}

void ProgramRoot::liftLeftoverRestriction() { extras_.lockdown().liftLeftoverRestriction(); }

hotkeys::DefaultHotkeyRegistration ProgramRoot::registerHotkeys() {
    applicationHotkeyWindow_ = std::make_unique<hotkeys::OwnedHotkeyWindow>(ports_.hotkeys);
    defaultHotkeys_ = std::make_unique<hotkeys::DefaultHotkeys>(ports_.hotkeys, applicationHotkeyWindow_->get());
    return defaultHotkeys_->registerHotkeys();
}

void ProgramRoot::createMemoryTrim() { memoryTrim_.emplace(ports_.system); }

void ProgramRoot::bindSettingsFile() { settingsFile_.emplace(settings::SettingsFile::besideExecutable(ports_)); }

void ProgramRoot::trimWorkingSet() {
    if (memoryTrim_) memoryTrim_->trimWorkingSet();
}

void ProgramRoot::showTrayIcon(platform::TrayEventSink& events) {
    ports_.tray.setEventSink(&events);
    (void)trayIcon_.activate();
}

void ProgramRoot::loadMainWindowState() {
    if (!settingsFile_) throw std::logic_error("the settings file is not bound");
    settings::loadMainWindowSelections(*settingsFile_, options_);
    // A file that is there but cannot be read (locked, no permission) gave every default: none
    // of the user's choices is known, so the close must not write those defaults over them.
    const bool settingsRead = !settingsFile_->unreadable();
    selectionsLoaded_ = settingsRead;
    // Read before any step that may fail: "UsePW" and the password decide how windows left
    // hidden by an earlier run may come back.
    password_.replace(passwordStore_.readPassword());
    unhideGuardKnown_ = settingsRead;
    if (!options_.iconFile.empty()) trayIconChange_.useStoredIcon(options_.iconFile, options_.iconIndex);
    engine_.exclusionFile().loadLists(engine_.state().exclusions);
    engine_.inventory().refreshInventory();
}

void ProgramRoot::createMainWindow(platform::ModelessWindowHost& windows) {
    mainWindow_ = std::make_unique<ui::MainWindow>(ui::MainWindowLinks{
        .windows = windows,
        .options = options_,
        .engine = engine_,
        .dialogs = engineLinks_,
        .registry = ports_.registry,
        .files = ports_.files,
        .welcomeDocumentPath = fileBesideExecutable(ports_.system.executablePath(), ui::kWelcomeDocumentName),
        .showHotkeySetupDialog = [this] { showHotkeySetupDialog(); },
        .manageUnhidePassword =
            [this] {
                password::PasswordGate(ports_.dialogs, ports_.cursor, password_, passwordStore_, unlockPrompt_)
                    .openSetPasswordDialog();
            },
        .unlockHiddenWindows = [this] { return unlockHiddenWindows(); },
        // Whoever closes the window (its close box, an activation) goes on; a save that fails
        // is dropped here, with its line in the log.
        .writeSettings =
            [this] { errors_.run("save the settings when the main window closes", [this] { (void)writeOptions(); }); },
        .runReaction = [this](const std::function<void()>& reaction) { errors_.run("main window", reaction); },
    });
    mainWindow_->onCreate();
    router_.setAfterHotkey([this] { mainWindow_->onListsChanged(); });
    engineLinks_.mainWindow = mainWindow_.get();
}

void ProgramRoot::showMainWindowUnlessSilent() {
    if (mainWindow_ && !options_.startSilent) mainWindow_->show();
}

bool ProgramRoot::mainWindowMayOpen() const { return !(hasHiddenWindows() && options_.requirePassword); }

void ProgramRoot::openMainWindow() {
    if (mainWindow_ && mainWindowMayOpen()) mainWindow_->show();
}

void ProgramRoot::adoptLeftoverHiddenWindows() {
    if (!unhideGuardKnown_) {
        // Taken back without knowing whether the password guards them, they could come back
        // without it. They stay hidden, and in the record, for a start that knows.
        hiddenWindowRecovery_.holdLeftovers();
        return;
    }
    (void)hiddenWindowRecovery_.adoptLeftovers(engine_.state().hiddenWindows);
    // The record now matches the list: a stale one (windows shown or closed meanwhile) goes.
    recordHiddenWindows();
}

void ProgramRoot::recordHiddenWindows() { hiddenWindowJournal_.record(engine_.state().hiddenWindows); }

void ProgramRoot::initConfiguration() { configuration_ = config::initConfiguration(ports_.system, ports_.files); }

void ProgramRoot::loadPanicWindowState() {
    if (!settingsFile_) throw std::logic_error("the settings file is not bound");
    settings::loadPanicWindowSelections(*settingsFile_, options_, ports_.system.virtualDesktopOrigin());
}

void ProgramRoot::createPanicWindow(platform::ApplicationPort& windows, std::function<void()> closeProgram) {
    panicWindow_ = std::make_unique<ui::PanicButtonWindow>(ui::PanicButtonLinks{
        .windows = windows,
        .dialogs = ports_.dialogs,
        .system = ports_.system,
        .options = options_,
        // The activation joins last: a click before then does nothing.
        .activate =
            [this] {
                if (activation_) activation_->activateFromPanicButton();
            },
        .hasHiddenWindows = [this] { return hasHiddenWindows(); },
        .unlockHiddenWindows = [this] { return unlockHiddenWindows(); },
        .restoreHiddenWindows = [this] { restoreHiddenWindowsFromPanicButton(); },
        .mainWindowMayOpen = [this] { return mainWindowMayOpen(); },
        .openMainWindow = [this] { openMainWindow(); },
        // The main window closes first (its close writes the settings), then the exit command.
        .closeProgram =
            [this, closeProgram = std::move(closeProgram)] {
                if (mainWindow_ && mainWindow_->visible()) mainWindow_->close();
                closeProgram();
            },
        .shownOrHidden =
            [this] {
                if (mainWindow_) mainWindow_->panicButtonShownOrHidden();
            },
        .runReaction = [this](const std::function<void()>& reaction) { errors_.run("panic button", reaction); },
    });
    if (mainWindow_) mainWindow_->connectPanicButton(*panicWindow_);
    engineLinks_.panicWindow = panicWindow_.get();
    panicWindow_->onCreate();
}

void ProgramRoot::restoreHiddenWindowsFromPanicButton() {
    engine_.hiddenWindows().restoreWindows();
    if (mainWindow_) mainWindow_->hiddenWindowsChanged();
    recordHiddenWindows();
}

void ProgramRoot::createHotkeySetupDialog() {
    hotkeyDialog_ = std::make_unique<ui::HotkeySetupDialog>(ports_.hotkeys, ports_.dialogs, identifiers_, router_,
                                                            hotkeyText_, options_);
    stealth_ =
        std::make_unique<StealthMode>(ports_.dialogs, hotkeyText_, trayIcon_, hotkeyDialog_->components().exitStealth,
                                      [this] { engine_.actions().closeApplicationWindows(); });
}

void ProgramRoot::showHotkeySetupDialog() {
    if (hotkeyDialog_) (void)ports_.dialogs.showModal(*hotkeyDialog_);
}

void ProgramRoot::connectActivation() {
    if (!defaultHotkeys_) throw std::logic_error("the default hotkeys do not exist yet");
    activation_ = std::make_unique<activation::ActivationSequence>(activation::ActivationLinks{
        .options = options_,
        .windows = ports_.windows,
        .engine = engine_,
        .extras = extras_,
        .decoy = decoy_,
        .unlockPrompt = unlockPrompt_,
        .password = password_,
        .defaultHotkeys = *defaultHotkeys_,
        .trayIcon = engineLinks_,
        .journal = hiddenWindowJournal_,
        .idleTracking = idleHandler_,
        .absorbedError = [this](std::exception_ptr error) { errors_.handle("activation", error); },
    });
    connectDispatchers(*activation_, *activation_);
    // A hidden window that its program shows again goes straight back. Without the system's
    // hook the hotkeys still work: the refusal is an error of its own.
    errors_.run("watch for shown windows", [this] {
        engine_.hiddenWindowGuard().watch([this](platform::WindowId window) {
            errors_.run("hide a shown window again", [&] { engine_.hiddenWindowGuard().onWindowShown(window); });
        });
    });
}

void ProgramRoot::reportUnregisteredDefaultHotkeys() {
    if (!defaultHotkeys_ || !options_.useDefaultHotkeys || defaultHotkeys_->registration().complete()) return;
    platform::MessageBoxRequest warning;
    warning.text = std::string(kDefaultHotkeysNotRegisteredText);
    warning.caption = std::string(kProgramName);
    warning.icon = platform::MessageBoxIcon::Warning;
    ports_.dialogs.messageBox(warning);
    // Keys chosen there only act once the dispatchers are connected.
    if (dispatchersConnected_) showHotkeySetupDialog();
}

void ProgramRoot::connectDispatchers(hotkeys::DefaultHotkeyDispatcher& defaultSet,
                                     hotkeys::HotkeyComponentDispatcher& components) {
    if (!hotkeyDialog_) throw std::logic_error("the hotkey setup dialog does not exist yet");
    router_.setApplicationHook(&defaultSet);
    // The binding writes the custom texts back in their canonical form.
    hotkeyDialog_->bindAtCreation(components);
    dispatchersConnected_ = true;
}

void ProgramRoot::changeTrayIcon() {
    if (!settingsFile_) throw std::logic_error("the settings file is not bound");
    // The settings model stays the live copy of what the file now holds.
    const platform::IconLocation stored = trayIconChange_.changeTrayIcon(*settingsFile_);
    options_.iconFile = stored.file;
    options_.iconIndex = stored.index;
}

settings::FullSaveResult ProgramRoot::writeOptions() {
    // Settings that were never read in full are not written: defaults or half-read values must
    // never replace the user's file.
    if (!settingsFile_ || !selectionsLoaded_)
        throw std::logic_error("the settings were not read: QZ.ini is left as it is");
    return settings::writeOptions(*settingsFile_, options_, [this] {
        platform::IoResult saved = engine_.exclusionFile().saveExclude(engine_.state().exclusions);
        if (!saved) throw SystemError("Unable to write to " + engine_.exclusionFile().path(), saved.error);
    });
}

void ProgramRoot::releaseDefaultHotkeys() {
    if (defaultHotkeys_) defaultHotkeys_->releaseRegistrations();
}

void ProgramRoot::liftLockdownAtExit() { extras_.lockdown().liftAtExit(); }

void ProgramRoot::deleteHotkeyAtoms() {
    if (defaultHotkeys_) defaultHotkeys_->deleteAtoms();
}

void ProgramRoot::removeTrayIcon() {
    ports_.tray.setEventSink(nullptr);
    (void)trayIcon_.remove();
}

bool ProgramRoot::hasHiddenWindows() const { return !engine_.state().hiddenWindows.empty(); }

bool ProgramRoot::passwordGuardsHiddenWindows() const {
    return password_.guardsHiddenWindows(options_.requirePassword);
}

bool ProgramRoot::unlockHiddenWindows() {
    if (!passwordGuardsHiddenWindows()) return true;
    const password::UnlockAnswer answer = unlockPrompt_.askToUnlock();
    // A prompt already open belongs to the dispatch that showed it; this one is not kept.
    if (answer != password::UnlockAnswer::PromptOpen) unlockPrompt_.discard();
    return answer == password::UnlockAnswer::Unlocked;
}

bool ProgramRoot::showHiddenWindowsBeforeExit() { return engine_.hiddenWindows().showEveryHiddenWindow(); }

}  // namespace umbrix::app
