#pragma once
// The whole road of an activation against the simulated session: the hotkeys and their router,
// the window engine, the extras, the unlock prompt and the dispatchers between them. The
// program's own windows that do not exist yet (main, about, panic) are small stand-ins.
#include <gtest/gtest.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "app/TrayIconPresence.hpp"
#include "engine/HandleText.hpp"
#include "engine/WindowEngine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/Decoy.hpp"
#include "extras/EngineJoins.hpp"
#include "hotkeys/ActivationSequence.hpp"
#include "hotkeys/DefaultHotKeys.hpp"
#include "hotkeys/HotKeyComponents.hpp"
#include "hotkeys/HotKeyRouter.hpp"
#include "hotkeys/ShortCut.hpp"
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "platform/sim/SimMachine.hpp"
#include "settings/AppSelections.hpp"

namespace umbrix::hotkeys::testing {

using platform::WindowId;

inline const std::string kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

// The program's windows and the controller's parts that the engine and the dispatchers call.
class ProgramStandIns final : public engine::OwnWindows,
                              public engine::PanicButton,
                              public engine::TrayIcon,
                              public engine::ForegroundHistory,
                              public engine::EngineDialogs,
                              public engine::HideJournal,
                              public IdleTracking {
public:
    ProgramStandIns(sim::SimMachine& machine, password::UnlockPromptSlot& prompt)
        : machine_(machine), prompt_(prompt), tray_(machine.tray, platform::TrayIconImage{"", 3}) {
        tray_.activate();
    }

    std::string mainWindowCaption() override { return "Umbrix"; }
    bool isMainWindowVisible() override { return false; }
    void closeMainWindow() override {}
    bool isPasswordPromptShown() override { return prompt_.isOpen(); }
    void closeAndDestroyPasswordPrompt() override { prompt_.discard(); }
    bool isAboutWindowShown() override { return false; }
    void closeAboutWindow() override {}

    WindowId panicWindowHandle() override { return panicHandle; }
    void closePanicWindow() override {}

    void removeTrayIcon() override { tray_.remove(); }
    void showTrayIcon() override { tray_.activate(); }
    bool trayIconShown() const { return tray_.active(); }

    WindowId lastActiveHandle() override { return lastActive; }

    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> browseForFile(const engine::FileDialogRequest&) override { return std::nullopt; }
    void setWaitCursor(bool waiting) override { machine_.cursor.showBusy(waiting); }
    // These tests keep no record on disk.
    void aboutToHide(const engine::HiddenWindowList&, const std::vector<std::string>&) override {}

    void detachIdleHandler() override {
        EXPECT_TRUE(idleAttached) << "the idle handler was detached twice";
        idleAttached = false;
        ++detaches;
    }
    void attachIdleHandler() override {
        EXPECT_FALSE(idleAttached) << "the idle handler was attached twice";
        idleAttached = true;
    }

    WindowId panicHandle;
    WindowId lastActive;
    bool idleAttached = true;
    int detaches = 0;

private:
    sim::SimMachine& machine_;
    password::UnlockPromptSlot& prompt_;
    app::TrayIconPresence tray_;
};

class ActivationFixture : public ::testing::Test {
protected:
    static constexpr std::uint32_t kCheapIterations = 5;

    void SetUp() override {
        ASSERT_TRUE(defaults.RegisterHotKeys().complete());
        router.setApplicationHook(&sequence);
        machine.files.putFile(kDecoyPath, "MZ");
    }
    void TearDown() override {
        EXPECT_TRUE(errors.empty()) << "an error was absorbed or reached the program's handler";
        EXPECT_TRUE(machine.dialogs.scriptDone()) << "the user had more to do";
        EXPECT_TRUE(standIns.idleAttached) << "the idle handler was left detached";
    }

    // Custom mode with Ctrl+H and Ctrl+U, or default mode; the exit-stealth key is live in both.
    void bindComponents(bool useDefaultKeys) {
        selections.UseDefaultKeys = useDefaultKeys;
        HotKeyFields fields{useDefaultKeys, "Ctrl+H", "Ctrl+U"};
        components.BindAtCreation(fields, sequence);
    }
    sim::SimHotkeys::PressOutcome press(TShortCut code) {
        return machine.hotkeys.press(hotKeyModifiersOf(code), virtualKeyOf(code));
    }
    void pressDefaultHide() { press(0x4020); }  // Ctrl+Space
    void pressDefaultUnhide() { press(0x4008); }  // Ctrl+Backspace
    void pressCustomHide() { press(kCustomHideInitial); }
    void pressCustomUnhide() { press(kCustomUnhideInitial); }
    void pressExitStealth() { press(kExitStealthHotKey); }

    void setPassword(const std::string& text) {
        ASSERT_EQ(store.WritePassword(text, "").result, password::PasswordSaveResult::Saved);
        password.replace(store.ReadPassword());
        selections.cbPassword = true;
    }
    // The user's answer to the next unlock prompt.
    void userTypes(const std::string& text) {
        machine.dialogs.userStep<password::TPassword_f>([text](password::TPassword_f& prompt) {
            prompt.PassWord = text;
            prompt.Button1Click();
        });
    }
    void userCancelsPrompt() {
        machine.dialogs.userStep<password::TPassword_f>([](password::TPassword_f& prompt) { prompt.CancelBtnClick(); });
    }

    WindowId open(const std::string& title, platform::ShowState state = platform::ShowState::Normal) {
        return machine.windows.open({title, userProcess, true, state});
    }
    bool isVisible(WindowId window) const {
        const auto* w = machine.windows.find(window);
        return w && w->visible;
    }
    bool isOpen(WindowId window) const { return machine.windows.find(window) != nullptr; }
    std::vector<std::string> hiddenTitles() const {
        std::vector<std::string> titles;
        for (const auto& entry : engine.state().hiddenWindows.entries()) titles.push_back(entry.title);
        return titles;
    }
    bool audioMuted() const { return machine.audio.endpointMuted; }
    // The Ctrl+Alt+Del policy as it stands: 1 restricted, 0 lifted, nullopt never written.
    std::optional<std::uint32_t> ctrlAltDelPolicy() {
        auto value = machine.registry.readValue(platform::RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr");
        if (!value) return std::nullopt;
        return value->number;
    }
    int decoyLaunches() { return static_cast<int>(machine.processes.runningProcessesOf(kDecoyPath).size()); }

    inline static const std::string kDecoyPath = "C:\\Program Files\\Sheets\\sheets.exe";

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    std::vector<std::exception_ptr> errors;
    password::PasswordStore store{machine.registry, machine.crypto, std::string(password::kPasswordBaseKey),
                                  kCheapIterations};
    password::UnhidePassword password{machine.crypto};
    password::UnlockPromptSlot prompt{machine.dialogs, machine.cursor, password, store};
    ProgramStandIns standIns{machine, prompt};

    extras::ActivationExtras extras{ports};
    extras::Decoy decoy{machine.shell};
    extras::EngineLockdown lockdown{extras.lockdown()};
    extras::EngineAudioMute audioMute{extras.audio()};
    engine::WindowEngine engine{ports, engine::EngineCollaborators{standIns, standIns, standIns, lockdown, audioMute,
                                                                   standIns, standIns, standIns}};

    settings::AppSelections selections;
    HotKeyRouter router{machine.hotkeys, [this](std::exception_ptr error) { errors.push_back(error); }};
    HotKeyIdentifiers identifiers;
    HotKeyText text{machine.hotkeys, machine.text};
    DefaultHotKeys defaults{machine.hotkeys, machine.hotkeys.createHotkeyWindow()};
    HotKeyComponents components{machine.hotkeys, machine.dialogs, identifiers, router, text};
    ActivationSequence sequence{ActivationLinks{
        .selections = selections,
        .windows = machine.windows,
        .engine = engine,
        .extras = extras,
        .decoy = decoy,
        .unlockPrompt = prompt,
        .password = password,
        .defaultHotKeys = defaults,
        .trayIcon = standIns,
        .idleTracking = standIns,
        .absorbedError = [this](std::exception_ptr error) { errors.push_back(error); },
    }};

    platform::ProcessId userProcess = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
};

}  // namespace umbrix::hotkeys::testing
