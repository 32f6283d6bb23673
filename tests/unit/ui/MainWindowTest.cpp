// The main window in the program as it runs: created at the start and shown unless the start is
// silent, opened from the tray by the menu or a double click (never around the password),
// navigation between its pages, the decoy's field, its close, and the hidden-window page's way
// to show windows again.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "password/PasswordStore.hpp"
#include "password/PromptUser.hpp"
#include "password/SetPasswordDialog.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsLoad.hpp"
#include "sim/SimMachine.hpp"
#include "ui/HotkeySetupDialog.hpp"
#include "ui/main/MainWindow.hpp"

namespace umbrix::ui {
namespace {

constexpr std::uint32_t kCtrl = platform::hotkey_modifiers::kControl;
constexpr std::uint32_t kSpace = 0x20, kBackspace = 0x08;
constexpr std::uint32_t kRightButtonUp = 0x0205, kLeftButtonDoubleClick = 0x0203;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        editor = machine.processes.start("C:\\Tools\\editor.exe");
        letter = machine.windows.open({"Letter - Editor", editor});
    }

    void start(const std::string& settings = "") {
        machine.files.putFile(settingsPath(), "[StartUp]\r\n" + settings);
        application = std::make_unique<app::Application>(ports, machine.application);
        ASSERT_EQ(application->start(), app::StartOutcome::Running);
    }
    std::string settingsPath() const { return settings::settingsFilePathFor(machine.system.exePath); }
    app::ProgramRoot& program() { return *application->program(); }
    MainWindow& window() { return *program().mainWindow(); }
    void setPassword(const std::string& password) {
        password::PasswordStore store{machine.registry, machine.crypto, std::string(password::kPasswordBaseKey),
                                      /*iterations=*/5};
        ASSERT_EQ(store.writePassword(password, "").result, password::PasswordSaveResult::Saved);
    }
    // What the user sees: the window the program hosts, and whether it is on the screen.
    bool onScreen() {
        const auto* hosted = machine.application.hostedWindow(window());
        return hosted && hosted->visible;
    }
    bool listedAsVisible(const std::string& title) {
        const auto& entries = program().engine().state().visibleWindows.entries();
        return std::any_of(entries.begin(), entries.end(), [&](const auto& entry) { return entry.title == title; });
    }
    // The tray menu as it opens now: whether "&Open main window" is enabled, then the user
    // chooses it when it is.
    bool openMainWindowEnabled() {
        machine.application.menuChoices.push_back(0);
        machine.tray.click(1, kRightButtonUp);
        for (const auto& entry : machine.application.menusShown.back())
            if (entry.caption == "&Open main window") return entry.enabled;
        ADD_FAILURE() << "no \"&Open main window\" in the tray menu";
        return false;
    }
    void chooseOpenMainWindow() {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(app::TrayCommand::OpenMainWindow));
        machine.tray.click(1, kRightButtonUp);
    }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    platform::ProcessId editor;
    platform::WindowId letter;
    std::unique_ptr<app::Application> application;
};

TEST_F(MainWindowTest, AStartShowsItOnTheWelcomePageUnlessSilent) {
    machine.registry.administrator = true;  // a key of the machine's own
    machine.registry.writeValue(platform::RegistryRoot::LocalMachine,
                                "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "ProcessorNameString",
                                platform::RegistryValue::ofString("Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz"), true);
    start("rgExclude=1\r\n");
    EXPECT_EQ(window().caption(), "UBX 7 for Office (Portable)");
    EXPECT_TRUE(window().visible());
    EXPECT_TRUE(onScreen());
    EXPECT_EQ(machine.application.hostedWindow(window())->caption, "UBX 7 for Office (Portable)");
    EXPECT_EQ(window().activePage(), MainPage::Welcome);
    EXPECT_EQ(window().processorBanner(), "CPU: Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz");
    EXPECT_EQ(window().exclusionPage().activePage(), 1) << "the exclusion mode's list in front";
    EXPECT_TRUE(listedAsVisible("Letter - Editor"));

    application.reset();
    machine.instance.endProcess();
    start("Silent=1\r\n");
    EXPECT_FALSE(window().visible());
    ASSERT_TRUE(machine.application.hostedWindow(window())) << "created all the same, hidden";
    EXPECT_FALSE(onScreen());
    EXPECT_FALSE(window().activePage()) << "no page until it is shown";
}

TEST_F(MainWindowTest, OnlyTheVisibleWindowsEntryRebuildsTheList) {
    start();
    const platform::WindowId notes = machine.windows.open({"Notes", editor});
    for (const NavigationEntry& entry : navigationEntries()) {
        if (entry.page == MainPage::VisibleWindows) continue;
        window().navigate(entry.page);
        EXPECT_EQ(window().activePage(), entry.page);
        EXPECT_FALSE(listedAsVisible("Notes")) << entry.caption;
    }
    // Closed to its icons, the pane still changes pages.
    window().toggleNavigationPane();
    EXPECT_EQ(window().navigationWidth(), 50);
    window().navigate(MainPage::VisibleWindows);
    EXPECT_EQ(window().activePage(), MainPage::VisibleWindows);
    EXPECT_TRUE(listedAsVisible("Notes"));
    window().toggleNavigationPane();
    EXPECT_EQ(window().navigationWidth(), 300);
    (void)notes;
}

TEST_F(MainWindowTest, EmptyingTheDecoyUnchecksAndDisablesItsCheckBox_TextEnablesItUnchecked) {
    start("UseDecoy=1\r\nDecoy=C:\\Tools\\report.doc\r\n");
    EXPECT_TRUE(window().decoyCheckBoxEnabled());
    window().setDecoyProgram("");
    EXPECT_FALSE(window().options().useDecoy);
    EXPECT_FALSE(window().decoyCheckBoxEnabled());
    window().setDecoyProgram("C");
    EXPECT_TRUE(window().decoyCheckBoxEnabled());
    EXPECT_FALSE(window().options().useDecoy) << "enabled again, but left unchecked";
}

TEST_F(MainWindowTest, ClosingHidesItAndWritesTheSettings_TheHotkeysGoOn) {
    start();
    window().navigate(MainPage::Setup);
    window().chooseAction(1);
    window().options().emptyRecycleBin = true;
    // The close box.
    ASSERT_TRUE(machine.application.requestClose(window()));
    EXPECT_FALSE(window().visible());
    EXPECT_FALSE(onScreen());
    EXPECT_TRUE(machine.application.hostedWindow(window())) << "hidden, not destroyed";
    settings::SettingsFile file = settings::SettingsFile::besideExecutable(ports);
    EXPECT_EQ(file.readString("StartUp", "Action", ""), "1");
    EXPECT_EQ(file.readString("StartUp", "DoBin", ""), "1");

    machine.hotkeys.press(kCtrl, kSpace);
    EXPECT_FALSE(machine.windows.isWindowVisible(letter));
    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(machine.windows.isWindowVisible(letter));

    // Opened again, it keeps its last page.
    chooseOpenMainWindow();
    EXPECT_TRUE(window().visible());
    EXPECT_TRUE(onScreen());
    EXPECT_EQ(window().activePage(), MainPage::Setup);
}

TEST_F(MainWindowTest, AHideClosesTheOpenWindowAndItsSaveRuns) {
    start();
    window().options().clearRecentDocuments = true;
    machine.hotkeys.press(kCtrl, kSpace);
    EXPECT_FALSE(window().visible());
    EXPECT_FALSE(machine.windows.isWindowVisible(letter));
    EXPECT_EQ(settings::SettingsFile::besideExecutable(ports).readString("StartUp", "Recent", ""), "1");
}

TEST_F(MainWindowTest, TheTrayOpensItByMenuOrDoubleClick_NeverAroundThePassword) {
    struct Case {
        const char* name;
        bool requirePassword;
        bool hidden;
        bool mayOpen;
    };
    for (const Case& c : {Case{"nothing hidden", true, false, true}, Case{"no password required", false, true, true},
                          Case{"hidden behind the password", true, true, false}}) {
        SCOPED_TRACE(c.name);
        application.reset();
        machine.instance.endProcess();
        setPassword("Secret");
        start(std::string("Silent=1\r\nUsePW=") + (c.requirePassword ? "1" : "0") + "\r\n");
        if (c.hidden) {
            machine.hotkeys.press(kCtrl, kSpace);
            ASSERT_FALSE(machine.windows.isWindowVisible(letter));
        }
        EXPECT_EQ(openMainWindowEnabled(), c.mayOpen);
        machine.tray.click(1, kLeftButtonDoubleClick);
        EXPECT_EQ(window().visible(), c.mayOpen);
        if (c.mayOpen) {
            EXPECT_TRUE(listedAsVisible("Letter - Editor") != c.hidden) << "the list is rebuilt";
        }
        EXPECT_TRUE(machine.dialogs.modalsShown.empty()) << "no prompt: the window simply stays closed";
        if (c.hidden) {
            if (c.requirePassword) password::testing::userTypesIntoPrompt(machine.dialogs, "Secret");
            machine.hotkeys.press(kCtrl, kBackspace);
            ASSERT_TRUE(machine.windows.isWindowVisible(letter));
        }
    }
}

TEST_F(MainWindowTest, TheHiddenPageShowsWindowsOnlyAfterThePasswordWhileItGuardsThem) {
    setPassword("Secret");
    start("UsePW=1\r\n");
    const platform::WindowId notes = machine.windows.open({"Notes", editor});
    machine.hotkeys.press(kCtrl, kSpace);
    ASSERT_FALSE(machine.windows.isWindowVisible(letter));
    ASSERT_FALSE(machine.windows.isWindowVisible(notes));
    // The password typed at the prompt before, the window is opened from the panic button's
    // menu or was open all along: here it is simply shown.
    window().show();
    window().navigate(MainPage::HiddenWindows);
    window().hiddenWindowsPage().selectHiddenWindow(0);

    password::testing::userCancelsPrompt(machine.dialogs);
    window().showSelectedHiddenWindow();
    password::testing::userCancelsPrompt(machine.dialogs);
    window().showAllHiddenWindows();
    EXPECT_FALSE(machine.windows.isWindowVisible(letter));
    EXPECT_FALSE(machine.windows.isWindowVisible(notes));
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 2u);

    password::testing::userTypesIntoPrompt(machine.dialogs, "Secret");
    window().showSelectedHiddenWindow();
    EXPECT_EQ(machine.windows.isWindowVisible(letter) + machine.windows.isWindowVisible(notes), 1)
        << "the selected one, and only it";
    password::testing::userTypesIntoPrompt(machine.dialogs, "Secret");
    window().showAllHiddenWindows();
    EXPECT_TRUE(machine.windows.isWindowVisible(letter));
    EXPECT_TRUE(machine.windows.isWindowVisible(notes));
    EXPECT_TRUE(machine.dialogs.scriptDone());

    // Without a password required, no prompt comes.
    window().options().requirePassword = false;
    machine.hotkeys.press(kCtrl, kSpace);
    window().show();
    window().showAllHiddenWindows();
    EXPECT_TRUE(machine.windows.isWindowVisible(letter));
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 4u);
}

TEST_F(MainWindowTest, ChangeOpensTheHotkeyDialog_ManageOpensThePasswordGate) {
    setPassword("Secret");
    start();
    machine.dialogs.userStep<HotkeySetupDialog>([](HotkeySetupDialog& dialog) { dialog.restoreDefaultKeys(); });
    window().changeHotkeys();
    password::testing::userCancelsPrompt(machine.dialogs);
    window().manageUnhidePassword();
    EXPECT_EQ(machine.dialogs.modalsShown, (std::vector<std::string>{"Umbrix 7", "Password required"}));
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

TEST_F(MainWindowTest, EveryCheckBoxOfTheOptionsAndSetupPagesIsTheOptionTheCloseWrites) {
    start("Decoy=C:\\Tools\\report.doc\r\n");
    window().navigate(MainPage::Options);
    settings::Options expected = window().options();
    for (const OptionCheckBox& box : optionCheckBoxes()) {
        const bool flipped = !(window().options().*box.option);
        window().setOption(box.option, flipped);
        expected.*box.option = flipped;
        EXPECT_EQ(window().options().*box.option, flipped) << box.caption;
    }
    window().close();
    settings::SettingsFile file = settings::SettingsFile::besideExecutable(ports);
    settings::Options written;
    settings::loadMainWindowSelections(file, written);
    for (const OptionCheckBox& box : optionCheckBoxes())
        EXPECT_EQ(written.*box.option, expected.*box.option) << box.caption << " in QZ.ini";
}

TEST_F(MainWindowTest, BrowsePutsThePickedFileIntoTheDecoyField_ACancelKeepsIt) {
    start();
    window().navigate(MainPage::Setup);
    window().setOption(&settings::Options::useDecoy, true);
    EXPECT_FALSE(window().options().useDecoy) << "no check while the field is empty";

    machine.dialogs.userChoosesFile(std::nullopt);
    window().browseForDecoy();
    EXPECT_EQ(window().options().decoyProgram, "");
    machine.dialogs.userChoosesFile("C:\\Users\\me\\Documents\\Budget 2027.xlsx");
    window().browseForDecoy();
    EXPECT_EQ(window().options().decoyProgram, "C:\\Users\\me\\Documents\\Budget 2027.xlsx");
    EXPECT_TRUE(window().decoyCheckBoxEnabled());
    EXPECT_FALSE(window().options().useDecoy) << "enabled, left for the user to check";
    window().setOption(&settings::Options::useDecoy, true);
    EXPECT_TRUE(window().options().useDecoy);

    // The application exclusions' "Browse..." is the same dialog.
    machine.dialogs.userChoosesFile("C:\\Tools\\editor.exe");
    window().exclusionPage().addApplicationExclusionFromFile();
    const auto& applications = program().engine().state().exclusions.applications.entries();
    ASSERT_EQ(applications.size(), 1u);
    EXPECT_EQ(applications[0].applicationPath, "C:\\Tools\\editor.exe");

    ASSERT_EQ(machine.dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(machine.dialogs.fileDialogs[0],
              (platform::FileOpenRequest{"Browse for Umbrix Decoy", "All files|*.*|Applications|*.exe", "*.*"}));
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

TEST_F(MainWindowTest, TheThemeAndLanguageListsAndTheSliderKeepTheirChoicesInRange) {
    start("Theme=99\r\nTransparancy=4\r\n");
    EXPECT_EQ(window().selectedTheme(), std::nullopt) << "a stored index outside the list selects nothing";
    EXPECT_EQ(themeNames().front(), "Windows");
    EXPECT_EQ(themeNames().size(), 22u);
    window().chooseTheme(16);
    window().chooseTheme(22);  // past the end: not a choice
    EXPECT_EQ(window().selectedTheme(), 16u);
    EXPECT_EQ(themeNames()[16], "Windows10");

    EXPECT_EQ(window().selectedLanguage(), 0u);
    window().chooseLanguage(2);
    window().chooseLanguage(9);
    EXPECT_EQ(languageNames()[window().selectedLanguage()], "German");

    EXPECT_EQ(window().panicButtonTransparency(), 4);
    for (const auto& [moved, kept] : {std::pair{7, 7}, std::pair{14, 10}, std::pair{-3, 0}}) {
        window().setPanicButtonTransparency(moved);
        EXPECT_EQ(window().panicButtonTransparency(), kept) << moved;
    }
    EXPECT_EQ(window().panicButtonToggleCaption(), "Hide") << "the panic button shows from the start on";
    window().close();
    settings::SettingsFile file = settings::SettingsFile::besideExecutable(ports);
    EXPECT_EQ(file.readString("StartUp", "Theme", ""), "16");
}

TEST_F(MainWindowTest, ManageSetsThePasswordTheNextUnhideAsksFor) {
    start("UsePW=1\r\n");
    // No password yet: the gate opens the dialog at once.
    machine.dialogs.userStep<password::SetPasswordDialog>([](password::SetPasswordDialog& dialog) {
        dialog.Password = "Fig tree";
        dialog.ConfirmPassword = "Fig tree";
        dialog.apply();
    });
    window().navigate(MainPage::Options);
    window().manageUnhidePassword();
    ASSERT_TRUE(machine.dialogs.scriptDone());

    machine.hotkeys.press(kCtrl, kSpace);
    ASSERT_FALSE(machine.windows.isWindowVisible(letter));
    password::testing::userTypesIntoPrompt(machine.dialogs, "fig tree");
    password::testing::userTypesIntoPrompt(machine.dialogs, "Fig tree");
    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(machine.windows.isWindowVisible(letter));
    EXPECT_EQ(machine.dialogs.modalsShown, (std::vector<std::string>{"Set password", "Password required"}));
    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u) << "the wrong case refused once, in the same prompt";
    EXPECT_EQ(machine.dialogs.messageBoxes[0].request.text,
              "The password you have entered is incorrect. Please try again.");
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

}  // namespace
}  // namespace umbrix::ui
