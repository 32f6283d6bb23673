// The program as a whole on the simulated machine: what its start reads and registers, what
// its close writes, and the way out while windows are hidden.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "app/AppTexts.hpp"
#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "common/BesideExecutable.hpp"
#include "hotkeys/KeyCombination.hpp"
#include "password/PasswordStore.hpp"
#include "password/PromptUser.hpp"
#include "sim/SimMachine.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsKeys.hpp"

namespace umbrix::app {
namespace {

using platform::MessageBoxResult;
using ::testing::ElementsAreArray;

constexpr std::uint32_t kCtrl = platform::hotkey_modifiers::kControl;
constexpr std::uint32_t kSpace = 0x20, kBackspace = 0x08;

// The key names of a settings file, in file order.
std::vector<std::string> keysIn(const std::string& file) {
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t end = file.find('\n', start);
        std::string line = file.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (auto equals = line.find('='); equals != std::string::npos) keys.push_back(line.substr(0, equals));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return keys;
}

// Records what the dispatchers were asked, as the activation sequence would receive it.
class RecordingDispatcher : public hotkeys::DefaultHotkeyDispatcher, public hotkeys::HotkeyComponentDispatcher {
public:
    void dispatchDefaultHotkey(hotkeys::ActivationSender, std::int32_t messageSent) override {
        defaultSet.push_back(messageSent);
    }
    void dispatchComponentHotkey(hotkeys::ActivationSender sender) override { components.push_back(sender); }
    std::vector<std::int32_t> defaultSet;
    std::vector<hotkeys::ActivationSender> components;
};

std::string settingsPathIn(sim::SimMachine& machine) { return settings::settingsFilePathFor(machine.system.exePath); }

class Program : public ::testing::Test {
protected:
    std::string settingsPath() const { return settings::settingsFilePathFor(machine.system.exePath); }
    std::string settingsText() { return machine.files.readFile(settingsPath()).value_or(""); }
    void start() { ASSERT_EQ(application.start(), StartOutcome::Running); }
    int closeProgram() {
        machine.application.postClose();
        return machine.application.runMessageLoop();
    }
    ProgramRoot& program() { return *application.program(); }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
};

TEST_F(Program, TheCloseWritesTheSectionAndThe33KeysInTableOrder) {
    start();
    EXPECT_FALSE(machine.files.fileExists(settingsPath())) << "binding the file does not create it";
    EXPECT_EQ(closeProgram(), 0);

    std::vector<std::string> expected;
    for (const auto& key : settings::settingsKeyTable())
        if (key.savedBy & settings::kFullSave) expected.emplace_back(key.key);
    ASSERT_EQ(expected.size(), 33u);
    const std::string file = settingsText();
    EXPECT_EQ(file.rfind("[StartUp]", 0), 0u) << file;
    EXPECT_THAT(keysIn(file), ElementsAreArray(expected)) << file;
    EXPECT_EQ(application.errors().discardedCount(), 0) << application.errors().lastDiscarded();
}

TEST_F(Program, UserValuesSurviveAStartAndAClose) {
    const std::string userFile =
        "[StartUp]\r\nAutoStart=1\r\nDoBin=1\r\nAction=3\r\nMuteAudio=0\r\nHkHide=Ctrl+H\r\nDefaults=0\r\n"
        "PanicLeft=-1200\r\nbtnPanic=Hide me\r\nSilent=1\r\nLanguage=1031\r\nTransparancy=7\r\nTheme=4\r\n"
        "rgExclude=1\r\nIconFile=C:\\icons.dll\r\nIconIndex=9\r\n";
    machine.files.putFile(settingsPath(), userFile);
    // A monitor left of the primary one holds the panic button.
    machine.system.attachedMonitors.push_back({{-1280, 0, 0, 1024}, {-1280, 0, 0, 1024}, false});
    machine.icons.putIconFile("C:\\icons.dll", 12);
    start();
    // The chosen icon is the tray icon.
    ASSERT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(machine.tray.icons.at(1).image, (platform::IconLocation{"C:\\icons.dll", 9}));
    EXPECT_EQ(closeProgram(), 0);
    EXPECT_FALSE(machine.tray.shows(1)) << "no icon is left behind in the notification area";

    settings::SettingsFile after(machine.files, machine.text, settingsPath());
    EXPECT_TRUE(after.readBool("StartUp", "AutoStart", false));
    EXPECT_TRUE(after.readBool("StartUp", "DoBin", false));
    EXPECT_EQ(after.readInteger("StartUp", "Action", 0), 3);
    EXPECT_FALSE(after.readBool("StartUp", "MuteAudio", true));
    EXPECT_EQ(after.readString("StartUp", "HkHide", ""), "Ctrl+H");
    EXPECT_FALSE(after.readBool("StartUp", "Defaults", true));
    EXPECT_EQ(after.readInteger("StartUp", "PanicLeft", 0), -1200);
    EXPECT_EQ(after.readString("StartUp", "btnPanic", ""), "Hide me");
    EXPECT_TRUE(after.readBool("StartUp", "Silent", false));
    EXPECT_EQ(after.readInteger("StartUp", "Language", 0), 1031);
    EXPECT_EQ(after.readInteger("StartUp", "Transparancy", 0), 7);
    EXPECT_EQ(after.readInteger("StartUp", "Theme", 0), 4);
    EXPECT_EQ(after.readInteger("StartUp", "rgExclude", 0), 1);
    EXPECT_EQ(after.readString("StartUp", "IconFile", ""), "C:\\icons.dll");
    EXPECT_EQ(after.readInteger("StartUp", "IconIndex", 0), 9);
}

TEST_F(Program, SettingsThatCouldNotBeReadAreNotWrittenOver) {
    // A start whose settings load did not run to its end: the close must not replace the
    // user's options with defaults.
    machine.files.putFile(settingsPath(), "[StartUp]\r\nDoBin=1\r\n");
    ErrorHook errors;
    ProgramRoot program(ports, errors);
    program.bindSettingsFile();
    EXPECT_THROW(program.writeOptions(), std::logic_error);
    EXPECT_EQ(settingsText(), "[StartUp]\r\nDoBin=1\r\n");
}

TEST_F(Program, TheStartRegistersTheDefaultHotkeysAndShowsTheTrayIcon_TheCloseReleasesThem) {
    start();
    EXPECT_TRUE(machine.hotkeys.programHolds(kCtrl, kSpace));
    EXPECT_TRUE(machine.hotkeys.programHolds(kCtrl, kBackspace));
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(machine.tray.icons.at(1).callbackMessage, 0x0401u);
    EXPECT_TRUE(machine.tray.icons.at(1).tip.empty());

    EXPECT_EQ(closeProgram(), 0);
    EXPECT_FALSE(machine.hotkeys.programHolds(kCtrl, kSpace));
    EXPECT_FALSE(machine.hotkeys.programHolds(kCtrl, kBackspace));
    EXPECT_FALSE(machine.hotkeys.findAtom(hotkeys::kHideAtomName));
    EXPECT_FALSE(machine.hotkeys.findAtom(hotkeys::kUnhideAtomName));
}

TEST_F(Program, CtrlSpaceHidesAnotherProgramsWindows_CtrlBackspaceBringsThemBackInTheirOrder) {
    start();
    ASSERT_TRUE(program().dispatchersConnected());
    const platform::ProcessId mail = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
    std::vector<platform::WindowId> opened;
    for (const char* title : {"Inbox - Mail", "Draft - Mail", "Calendar - Mail"})
        opened.push_back(machine.windows.open({title, mail}));
    const std::vector<platform::WindowId> orderBefore = machine.windows.zOrder();

    machine.hotkeys.press(kCtrl, kSpace);
    for (auto window : opened) EXPECT_FALSE(machine.windows.isWindowVisible(window));
    EXPECT_TRUE(program().hasHiddenWindows());

    machine.hotkeys.press(kCtrl, kBackspace);
    for (auto window : opened) EXPECT_TRUE(machine.windows.isWindowVisible(window));
    EXPECT_FALSE(program().hasHiddenWindows());
    // Back in the stacking order they had, the top one active.
    EXPECT_EQ(machine.windows.zOrder(), orderBefore);
    EXPECT_EQ(machine.windows.foreground(), opened.back());
    EXPECT_EQ(application.errors().discardedCount(), 0) << application.errors().lastDiscarded();
}

// A run that ends without showing the windows it hid (killed from Task Manager, crashed, even
// half-way through a hide) must not leave them invisible for good: the next start takes them
// back into its list, and the unhide hotkey shows them (through the password, when one is
// required, like any other).
TEST(KilledRun, WindowsItLeftHiddenComeBackWithTheNextRunsUnhideHotkey) {
    struct Case {
        const char* when;
        bool crashBeforeTheLastHide;
    } cases[] = {{"killed after the hide", false}, {"crashed in the middle of the hide", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        sim::SimMachine machine;
        platform::Platform ports = machine.platform();
        const platform::ProcessId mail = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
        // Hidden top first: the draft goes last.
        const platform::WindowId draft = machine.windows.open({"Draft - Mail", mail});
        const platform::WindowId outbox = machine.windows.open({"Outbox - Mail", mail});
        const platform::WindowId inbox = machine.windows.open({"Inbox - Mail", mail});
        const std::string record = fileBesideExecutable(machine.system.exePath, "Hidden.dat");

        auto first = std::make_unique<Application>(ports, machine.application);
        ASSERT_EQ(first->start(), StartOutcome::Running);
        if (c.crashBeforeTheLastHide) {
            machine.windows.beforeEachCall = [&](std::string_view call, platform::WindowId window) {
                if (call == "showWindow" && window == draft) throw sim::SimCrash{};
            };
            EXPECT_THROW(machine.hotkeys.press(kCtrl, kSpace), sim::SimCrash);
            machine.windows.beforeEachCall = nullptr;
        } else {
            machine.hotkeys.press(kCtrl, kSpace);
        }
        ASSERT_FALSE(machine.windows.isWindowVisible(inbox));
        ASSERT_FALSE(machine.windows.isWindowVisible(outbox));
        ASSERT_EQ(machine.windows.isWindowVisible(draft), c.crashBeforeTheLastHide);
        ASSERT_TRUE(machine.files.fileExists(record));
        // Gone: none of the close runs, the process's handles and hotkeys go with it.
        first.reset();
        machine.instance.endProcess();

        Application next(ports, machine.application);
        ASSERT_EQ(next.start(), StartOutcome::Running);
        // Only what was really hidden is taken back: the draft the crash spared is not listed.
        EXPECT_EQ(next.program()->engine().state().hiddenWindows.size(), c.crashBeforeTheLastHide ? 2u : 3u);
        EXPECT_FALSE(machine.windows.isWindowVisible(inbox)) << "starting shows nothing by itself";
        machine.hotkeys.press(kCtrl, kBackspace);
        for (auto window : {inbox, outbox, draft}) EXPECT_TRUE(machine.windows.isWindowVisible(window));
        EXPECT_FALSE(machine.files.fileExists(record)) << "nothing is hidden any more";
        EXPECT_EQ(next.errors().discardedCount(), 0) << next.errors().lastDiscarded();
        machine.application.postClose();
        EXPECT_EQ(machine.application.runMessageLoop(), 0);
    }
}

TEST_F(Program, ARecordThatCannotBeWrittenNeverHoldsUpTheHideOrTheUnhide) {
    const platform::ProcessId mail = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
    const platform::WindowId inbox = machine.windows.open({"Inbox - Mail", mail});
    const std::string folder = machine.system.exePath.substr(0, machine.system.exePath.rfind('\\'));
    start();
    machine.files.setReadOnly(folder);
    machine.hotkeys.press(kCtrl, kSpace);
    EXPECT_FALSE(machine.windows.isWindowVisible(inbox));
    EXPECT_EQ(application.errors().discardedCount(), 3)
        << "before the hide, the main window's save when the hide closes it, and after the hide";
    EXPECT_THAT(application.errors().lastDiscarded(), ::testing::HasSubstr("Hidden.dat"));
    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(machine.windows.isWindowVisible(inbox));
    machine.files.setReadOnly(folder, false);
    EXPECT_EQ(closeProgram(), 0);
}

TEST_F(Program, ADefaultHotkeyHeldByAnotherProgramIsReportedInDefaultModeOnly) {
    machine.hotkeys.holdInOtherProgram(kCtrl, kSpace);
    // The hotkey setup dialog follows the report; the user closes it.
    machine.dialogs.userStep([](platform::ModalWindow& dialog) { dialog.close(); });
    start();
    EXPECT_EQ(machine.dialogs.modalsShown, std::vector<std::string>{"Umbrix 7"});
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.messageBoxes[0].request.text, kDefaultHotkeysNotRegisteredText);
    EXPECT_EQ(machine.dialogs.messageBoxes[0].request.icon, platform::MessageBoxIcon::Warning);
    EXPECT_TRUE(machine.hotkeys.programHolds(kCtrl, kBackspace)) << "the other key still works";
    EXPECT_EQ(closeProgram(), 0);

    // With custom keys of its own the default set is not used, so nothing is missing.
    sim::SimMachine customMode;
    customMode.hotkeys.holdInOtherProgram(kCtrl, kSpace);
    customMode.files.putFile(settingsPathIn(customMode),
                             "[StartUp]\r\nDefaults=0\r\nHkHide=Ctrl+H\r\nhkUnHide=Ctrl+U\r\n");
    platform::Platform customPorts = customMode.platform();
    Application custom(customPorts, customMode.application);
    ASSERT_EQ(custom.start(), StartOutcome::Running);
    EXPECT_TRUE(customMode.dialogs.messageBoxes.empty());
    customMode.application.postClose();
    EXPECT_EQ(customMode.application.runMessageLoop(), 0);
}

TEST_F(Program, TheRouterHandsTheDefaultSetToOneDispatcherAndTheExitStealthKeyToTheOther) {
    start();
    RecordingDispatcher dispatcher;
    program().connectDispatchers(dispatcher, dispatcher);
    machine.hotkeys.press(kCtrl, kSpace);
    machine.hotkeys.press(kCtrl, kBackspace);
    const auto* defaults = program().defaultHotkeys();
    EXPECT_THAT(dispatcher.defaultSet, ::testing::ElementsAre(defaults->hideAtom(), defaults->unhideAtom()));

    machine.hotkeys.press(hotkeys::hotkeyModifiersOf(hotkeys::kExitStealthHotkey),
                          hotkeys::virtualKeyOf(hotkeys::kExitStealthHotkey));
    EXPECT_THAT(dispatcher.components, ::testing::ElementsAre(hotkeys::ActivationSender::ExitStealth));
    program().router().setApplicationHook(nullptr);
}

TEST_F(Program, ARecreatedTaskbarGetsTheIconBack_ButNotInStealthMode) {
    start();
    machine.tray.recreateTaskbar();
    EXPECT_TRUE(machine.tray.shows(1));

    (void)program().trayIcon().remove();
    machine.tray.recreateTaskbar();
    EXPECT_FALSE(machine.tray.shows(1));
}

class ExitWithHiddenWindows : public Program {
protected:
    void SetUp() override {
        start();
        for (const char* title : {"Report.docx - Word", "Inbox - Mail"})
            windows.push_back(machine.windows.open({title, platform::ProcessId{77}}));
        program().engine().inventory().refreshInventory();
        program().engine().actions().hideAllWindows(0);
        ASSERT_TRUE(program().hasHiddenWindows());
        for (auto window : windows) ASSERT_FALSE(machine.windows.isWindowVisible(window));
    }
    std::vector<platform::WindowId> windows;
};

TEST_F(ExitWithHiddenWindows, CancelKeepsTheProgramAndTheWindowsHidden) {
    machine.dialogs.userAnswers(MessageBoxResult::Cancel);
    application.controller()->onCloseChosen();

    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    const auto& box = machine.dialogs.messageBoxes[0].request;
    EXPECT_EQ(box.text, kShowHiddenBeforeExitText);
    EXPECT_EQ(box.caption, "Umbrix");
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::OkCancel);
    EXPECT_EQ(box.icon, platform::MessageBoxIcon::Question);
    EXPECT_TRUE(box.taskModal);
    EXPECT_FALSE(application.terminated());
    for (auto window : windows) EXPECT_FALSE(machine.windows.isWindowVisible(window));
}

TEST_F(ExitWithHiddenWindows, OkShowsTheWindowsAndEndsTheProgram) {
    machine.dialogs.userAnswers(MessageBoxResult::Ok);
    application.controller()->onCloseChosen();
    EXPECT_TRUE(application.terminated());
    for (auto window : windows) EXPECT_TRUE(machine.windows.isWindowVisible(window));
}

// Ended from outside the tray menu, the program shows nothing: the windows stay hidden and
// recorded, for the next start to take back.
TEST_F(ExitWithHiddenWindows, AnEndFromOutsideTheMenuShowsNothingAndRecordsTheWindows) {
    EXPECT_TRUE(machine.application.endSession());
    EXPECT_TRUE(application.terminated());
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    for (auto window : windows) EXPECT_FALSE(machine.windows.isWindowVisible(window));
    EXPECT_TRUE(machine.files.fileExists(fileBesideExecutable(machine.system.exePath, "Hidden.dat")));
}

// Windows hidden while "UsePW" is on and a password is set come back only through the unlock
// prompt, or through a later start whose unhide hotkey asks for it again: no other way of
// ending or starting the program shows them.
class PasswordGuardedWindows : public ::testing::Test {
protected:
    void SetUp() override {
        password::PasswordStore store{machine.registry, machine.crypto, std::string(password::kPasswordBaseKey),
                                      /*iterations=*/5};
        ASSERT_EQ(store.writePassword("Secret", "").result, password::PasswordSaveResult::Saved);
        machine.files.putFile(settingsPath(), kUserSettings);
        const platform::ProcessId mail = machine.processes.start("C:\\Program Files\\Mail\\mail.exe");
        for (const char* title : {"Inbox - Mail", "Draft - Mail", "Calendar - Mail"})
            windows.push_back(machine.windows.open({title, mail}));
        startUmbrix();
        machine.hotkeys.press(kCtrl, kSpace);
        ASSERT_TRUE(allHidden());
    }

    std::string settingsPath() const { return settings::settingsFilePathFor(machine.system.exePath); }
    std::string recordPath() const { return fileBesideExecutable(machine.system.exePath, "Hidden.dat"); }
    void startUmbrix() {
        umbrix = std::make_unique<Application>(ports, machine.application);
        ASSERT_EQ(umbrix->start(), StartOutcome::Running);
    }
    // The process is gone, as after its end or a kill; Umbrix is started again.
    void startAgain() {
        umbrix.reset();
        machine.instance.endProcess();
        startUmbrix();
    }
    bool allHidden() {
        for (auto window : windows)
            if (machine.windows.isWindowVisible(window)) return false;
        return true;
    }
    bool allShown() {
        for (auto window : windows)
            if (!machine.windows.isWindowVisible(window)) return false;
        return true;
    }
    void userAnswersThePrompt(const std::string& typed) {
        password::testing::userTypesIntoPrompt(machine.dialogs, typed);
    }
    void userCancelsThePrompt() { password::testing::userCancelsPrompt(machine.dialogs); }
    // The unhide hotkey of the running program: the prompt first, Cancel keeps them hidden, the
    // password brings them back.
    void expectTheUnhideHotkeyToAskThePassword() {
        userCancelsThePrompt();
        machine.hotkeys.press(kCtrl, kBackspace);
        EXPECT_TRUE(allHidden());
        userAnswersThePrompt("Secret");
        machine.hotkeys.press(kCtrl, kBackspace);
        EXPECT_TRUE(allShown());
    }

    inline static const std::string kUserSettings = "[StartUp]\r\nUsePW=1\r\nDoBin=1\r\n";
    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    std::vector<platform::WindowId> windows;
    std::unique_ptr<Application> umbrix;
};

TEST_F(PasswordGuardedWindows, AnEndFromAnotherProgramOrOfTheSessionLeavesThemHiddenForTheNextStart) {
    for (const char* end : {"WM_CLOSE", "end of session"}) {
        SCOPED_TRACE(end);
        if (std::string(end) == "WM_CLOSE") {
            ASSERT_TRUE(machine.application.postClose());
            EXPECT_EQ(machine.application.runMessageLoop(), 0);
        } else {
            EXPECT_TRUE(machine.application.endSession());
        }
        EXPECT_TRUE(umbrix->terminated());
        EXPECT_TRUE(allHidden());
        EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
        EXPECT_TRUE(machine.dialogs.modalsShown.empty());
        EXPECT_TRUE(machine.files.fileExists(recordPath()));

        startAgain();
        EXPECT_TRUE(allHidden()) << "starting shows nothing by itself";
        expectTheUnhideHotkeyToAskThePassword();
        machine.hotkeys.press(kCtrl, kSpace);  // hidden again for the next round
        ASSERT_TRUE(allHidden());
        machine.dialogs.modalsShown.clear();
    }
}

// "&Close Umbrix", OK to the question: the windows come back and the program ends only for the
// password. Cancel, or a wrong password and then Cancel, keeps both.
TEST_F(PasswordGuardedWindows, CloseUmbrixShowsThemOnlyForThePassword) {
    struct Case {
        const char* name;
        std::vector<std::string> typed;  // passwords typed, in order; Cancel after the last
        bool unlocked;
    } cases[] = {{"Cancel", {}, false}, {"WrongThenCancel", {"secret"}, false}, {"Right", {"Secret"}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        machine.dialogs.userAnswers(platform::MessageBoxResult::Ok);
        for (const std::string& typed : c.typed) userAnswersThePrompt(typed);
        if (!c.unlocked) userCancelsThePrompt();
        umbrix->controller()->onCloseChosen();

        EXPECT_TRUE(machine.dialogs.scriptDone());
        EXPECT_EQ(machine.dialogs.modalsShown.back(), "Password required");
        EXPECT_EQ(umbrix->terminated(), c.unlocked);
        EXPECT_EQ(allShown(), c.unlocked);
        EXPECT_EQ(allHidden(), !c.unlocked);
        EXPECT_EQ(umbrix->program()->unlockPrompt().shownPrompt(), nullptr) << "no prompt is kept";
    }
    EXPECT_FALSE(machine.files.fileExists(recordPath())) << "nothing is left hidden";
}

// A start that cannot read its settings does not know whether the password guards what an
// earlier run left hidden: it leaves those windows hidden and in the record, and writes none of
// the defaults it had to use over the user's settings. The next start that can read them takes
// the windows back behind the password.
TEST_F(PasswordGuardedWindows, AStartThatCannotReadItsSettingsLeavesThemForOneThatCan) {
    // What the earlier run left (its hide closed the main window, which saved the settings).
    const auto userSettings = machine.files.readFile(settingsPath());
    machine.files.holdOpen(settingsPath());
    startAgain();  // the earlier run was killed
    EXPECT_FALSE(umbrix->program()->hasHiddenWindows());
    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(allHidden());
    EXPECT_TRUE(machine.dialogs.modalsShown.empty());

    // This run's own hides and restores keep the earlier run's windows in the record.
    const platform::WindowId chat = machine.windows.open({"Chat", machine.processes.start("C:\\Apps\\chat.exe")});
    machine.hotkeys.press(kCtrl, kSpace);
    ASSERT_FALSE(machine.windows.isWindowVisible(chat));
    machine.hotkeys.press(kCtrl, kBackspace);
    ASSERT_TRUE(machine.windows.isWindowVisible(chat));
    EXPECT_TRUE(machine.files.fileExists(recordPath()));

    // Let go of by the other program, the file is still the user's at this run's close.
    machine.files.holdOpen(settingsPath(), false);
    ASSERT_TRUE(machine.application.postClose());
    EXPECT_EQ(machine.application.runMessageLoop(), 0);
    EXPECT_EQ(machine.files.readFile(settingsPath()), userSettings);
    EXPECT_TRUE(allHidden());

    startAgain();
    EXPECT_TRUE(umbrix->program()->hasHiddenWindows());
    expectTheUnhideHotkeyToAskThePassword();
}

TEST_F(Program, ExitWithoutHiddenWindowsAsksNothing) {
    start();
    application.controller()->onCloseChosen();
    EXPECT_TRUE(application.terminated());
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

}  // namespace
}  // namespace umbrix::app

namespace umbrix::app {
namespace {

class TrayMenuTest : public Program {
protected:
    void SetUp() override { start(); }
    // The user right-clicks the icon and picks `command` (0: dismisses the menu).
    void choose(TrayCommand command) {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(command));
        machine.tray.click(1, 0x0205);
    }
    const platform::MenuEntry* entry(const std::string& caption) {
        for (const auto& item : machine.application.menusShown.back()) {
            if (item.caption == caption) return &item;
            for (const auto& sub : item.submenu)
                if (sub.caption == caption) return &sub;
        }
        return nullptr;
    }
    std::optional<platform::RegistryValue> runValue() {
        return machine.registry.readValue(platform::RegistryRoot::LocalMachine,
                                          "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Umbrix");
    }
};

TEST_F(TrayMenuTest, ARightClickShowsTheEntriesInOrder) {
    machine.tray.click(1, 0x0203);  // a double click opens no menu
    EXPECT_TRUE(machine.application.menusShown.empty());
    choose(TrayCommand{0});
    ASSERT_EQ(machine.application.menusShown.size(), 1u);
    std::vector<std::string> captions;
    for (const auto& item : machine.application.menusShown[0]) captions.push_back(item.caption);
    EXPECT_THAT(captions,
                ::testing::ElementsAre("&About", "", "&Change Icon...", "&Open main window", "",
                                       "&Start silent (disables splash screen)", "Mode of operation",
                                       "Start with &Windows", "Show Panic Button on the desktop", "", "&Close Umbrix"));
    EXPECT_TRUE(entry("Normal operation")->checked && entry("Normal operation")->radio);
    EXPECT_TRUE(entry("Switch to stealth mode")->enabled);
}

TEST_F(TrayMenuTest, StealthModeTakesTheIconAway_TheExitStealthHotkeyBringsItBack) {
    machine.dialogs.userAnswers(MessageBoxResult::Yes);
    choose(TrayCommand::StealthMode);
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    EXPECT_FALSE(machine.tray.shows(1));

    machine.hotkeys.press(hotkeys::hotkeyModifiersOf(hotkeys::kExitStealthHotkey),
                          hotkeys::virtualKeyOf(hotkeys::kExitStealthHotkey));
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(application.errors().discardedCount(), 0) << application.errors().lastDiscarded();
}

TEST_F(TrayMenuTest, StartSilentFollowsTheOptionAndIsSavedAsSilent) {
    choose(TrayCommand::StartSilent);
    choose(TrayCommand{0});
    EXPECT_TRUE(entry("&Start silent (disables splash screen)")->checked);
    EXPECT_TRUE(program().options().startSilent);
    EXPECT_EQ(closeProgram(), 0);
    settings::SettingsFile after(machine.files, machine.text, settingsPath());
    EXPECT_TRUE(after.readBool("StartUp", "Silent", false));
}

TEST_F(TrayMenuTest, StartWithWindowsWritesAndDeletesTheRunValueForAnAdministrator) {
    machine.registry.administrator = true;
    machine.registry.createKey(platform::RegistryRoot::LocalMachine,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    choose(TrayCommand::StartWithWindows);
    ASSERT_TRUE(runValue());
    EXPECT_EQ(runValue()->text, machine.system.exePath);
    choose(TrayCommand{0});
    EXPECT_TRUE(entry("Start with &Windows")->checked);

    choose(TrayCommand::StartWithWindows);
    EXPECT_FALSE(runValue());
    EXPECT_FALSE(program().options().startWithWindows);
}

TEST_F(TrayMenuTest, StartWithWindowsWithoutRightsKeepsTheMarkAndSaysNothing) {
    choose(TrayCommand::StartWithWindows);
    EXPECT_FALSE(runValue());
    EXPECT_TRUE(program().options().startWithWindows);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_EQ(application.errors().discardedCount(), 1);
}

TEST_F(TrayMenuTest, CloseUmbrixEndsTheProgram) {
    choose(TrayCommand::Close);
    EXPECT_TRUE(application.terminated());
}

}  // namespace
}  // namespace umbrix::app
