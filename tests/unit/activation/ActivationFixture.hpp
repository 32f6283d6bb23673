#pragma once
// The whole road of an activation through the program as Umbrix.exe assembles it, on the
// simulated session: the start-up reads QZ.ini, the composition root wires the hotkeys, the
// window engine, the extras, the decoy and the unlock prompt with its real links, and a test
// presses keys and answers prompts as the user would. Nothing stands in for a window the
// program does not have yet (the main window, the panic button): it has none.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.hpp"
#include "password/PromptUser.hpp"
#include "common/BesideExecutable.hpp"
#include "engine/HiddenWindowRecovery.hpp"
#include "activation/ActivationSequence.hpp"
#include "hotkeys/KeyCombination.hpp"
#include "password/PasswordStore.hpp"
#include "sim/SimMachine.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::activation::testing {

using namespace umbrix::hotkeys;  // the keys the tests press

using platform::WindowId;

inline const std::string kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
// QZ.ini lines of the custom hotkey mode, with Ctrl+H to hide and Ctrl+U to unhide.
inline const std::string kCustomKeys = "Defaults=0\r\nHkHide=Ctrl+H\r\nhkUnHide=Ctrl+U\r\n";

class ActivationFixture : public ::testing::Test {
protected:
    // Passwords are hashed with few rounds here: the count is stored with each hash.
    static constexpr std::uint32_t kCheapIterations = 5;

    void SetUp() override { machine.files.putFile(kDecoyPath, "MZ"); }
    void TearDown() override {
        if (!application) return;
        EXPECT_EQ(newErrors(), 0) << "an error reached the program's handler: "
                                  << application->errors().lastDiscarded();
        EXPECT_TRUE(machine.dialogs.scriptDone()) << "the user had more to do";
        EXPECT_TRUE(program().idleTracking().attached()) << "the idle handler was left detached";
    }

    // Starts Umbrix with these lines in its QZ.ini.
    void startProgram(const std::string& settings = "") {
        machine.files.putFile(settings::settingsFilePathFor(machine.system.exePath), "[StartUp]\r\n" + settings);
        application = std::make_unique<app::Application>(ports, machine.application);
        ASSERT_EQ(application->start(), app::StartOutcome::Running);
        ASSERT_TRUE(program().dispatchersConnected());
    }
    app::ProgramRoot& program() { return *application->program(); }
    settings::Options& options() { return program().options(); }
    engine::WindowEngine& engine() { return program().engine(); }
    ActivationSequence& activation() { return *program().activation(); }

    // Errors that reached the program's error handler since the last call.
    int newErrors() {
        const int count = application->errors().discardedCount() - errorsSeen_;
        errorsSeen_ = application->errors().discardedCount();
        return count;
    }

    sim::SimHotkeys::PressOutcome press(KeyCombination code) {
        return machine.hotkeys.press(hotkeyModifiersOf(code), virtualKeyOf(code));
    }
    void pressDefaultHide() { press(0x4020); }  // Ctrl+Space
    void pressDefaultUnhide() { press(0x4008); }  // Ctrl+Backspace
    void pressCustomHide() { press(kCustomHideInitial); }  // Ctrl+H, as kCustomKeys sets it
    void pressCustomUnhide() { press(kCustomUnhideInitial); }  // Ctrl+U
    void pressExitStealth() { press(kExitStealthHotkey); }

    // A password stored as the set-password dialog stores it, and "UsePW" on.
    void setPassword(const std::string& text) {
        ASSERT_EQ(store.writePassword(text, "").result, password::PasswordSaveResult::Saved);
        program().password().replace(store.readPassword());
        options().requirePassword = true;
    }
    // The user's answer to the next unlock prompt.
    void userTypes(const std::string& text) { password::testing::userTypesIntoPrompt(machine.dialogs, text); }
    void userCancelsPrompt() { password::testing::userCancelsPrompt(machine.dialogs); }

    WindowId open(const std::string& title, platform::ShowState state = platform::ShowState::Normal) {
        return machine.windows.open({title, userProcess, true, state});
    }
    bool isVisible(WindowId window) const {
        const auto* w = machine.windows.find(window);
        return w && w->visible;
    }
    bool isOpen(WindowId window) const { return machine.windows.find(window) != nullptr; }
    std::vector<std::string> hiddenTitles() {
        std::vector<std::string> titles;
        for (const auto& entry : engine().state().hiddenWindows.entries()) titles.push_back(entry.title);
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
    // Hidden.dat, the record of hidden windows a later start takes back.
    std::string hiddenRecordPath() const {
        return fileBesideExecutable(machine.system.exePath, engine::kHiddenWindowRecordName);
    }

    inline static const std::string kDecoyPath = "C:\\Program Files\\Sheets\\sheets.exe";

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    password::PasswordStore store{machine.registry, machine.crypto, std::string(password::kPasswordBaseKey),
                                  kCheapIterations};
    platform::ProcessId userProcess = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
    std::unique_ptr<app::Application> application;

private:
    int errorsSeen_ = 0;
};

}  // namespace umbrix::activation::testing
