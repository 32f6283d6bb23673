// The main window in the program as it runs: created at the start and shown unless the start is
// silent, opened from the tray by the menu or a double click (never around the password),
// navigation between its pages, the decoy's field, its close, and the hidden-window page's way
// to show windows again.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "common/BesideExecutable.hpp"
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

TEST_F(MainWindowTest, TheWelcomePageReadsItsDocumentBesideTheProgramEachTimeItIsShown) {
    const std::string document = fileBesideExecutable(machine.system.exePath, "images\\Index.html");
    start();
    EXPECT_EQ(window().welcomeDocument().path, document);
    EXPECT_FALSE(window().welcomeDocument().found) << "none there: the page stays empty";
    EXPECT_TRUE(window().welcomeDocument().paragraphs.empty());

    machine.files.putFile(document, "<title>Welcome</title><p>Ctrl+Space hides your windows.</p>");
    window().navigate(MainPage::Welcome);
    EXPECT_TRUE(window().welcomeDocument().found);
    EXPECT_EQ(window().welcomeDocument().title, "Welcome");
    EXPECT_EQ(window().welcomeDocument().paragraphs, std::vector<std::string>{"Ctrl+Space hides your windows."});
}

// A window's reaction that fails: the program's last resort drops it (with its line in the log),
// and the windows, the hotkeys and the hidden windows go on.
TEST_F(MainWindowTest, AWindowsReactionThatFailsIsDroppedAndTheProgramGoesOn) {
    start();
    struct FailingWindow final : platform::ModelessWindow {
        std::string name() const override { return "failing window"; }
        void onCloseRequest() override { throw std::runtime_error("the window cannot close"); }
    } failing;
    machine.application.openWindow(failing);
    machine.application.showWindow(failing, platform::WindowShow::NoActivate);
    const int dropped = application->errors().discardedCount();

    machine.hotkeys.press(kCtrl, kSpace);
    ASSERT_FALSE(machine.windows.isWindowVisible(letter));
    EXPECT_TRUE(machine.application.requestClose(failing));
    EXPECT_EQ(application->errors().discardedCount(), dropped + 1);
    EXPECT_EQ(application->errors().lastDiscarded(), "the window cannot close");

    EXPECT_TRUE(machine.application.requestClose(window()));
    EXPECT_FALSE(onScreen()) << "the main window's close box still closes it";
    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(machine.windows.isWindowVisible(letter)) << "the hidden window comes back";
    machine.application.closeWindow(failing);
}

TEST_F(MainWindowTest, AHotkeyThatChangesTheListsWhileItIsOpenRedrawsThem) {
    start();
    const platform::WindowId notes = machine.windows.open({"Notes", editor});
    window().navigate(MainPage::VisibleWindows);
    int redraws = 0;
    window().setChangeListener([&redraws] { ++redraws; });
    const auto& visible = program().engine().state().visibleWindows.entries();
    const auto row = std::find_if(visible.begin(), visible.end(), [](const auto& e) { return e.title == "Notes"; });
    window().exclusionPage().selectVisibleWindow(static_cast<std::size_t>(row - visible.begin()));
    window().runContextCommand(ContextCommand::HideSelectedWindow);
    ASSERT_FALSE(machine.windows.isWindowVisible(notes));
    ASSERT_EQ(program().engine().state().hiddenWindows.entries().size(), 1u);
    redraws = 0;

    machine.hotkeys.press(kCtrl, kBackspace);
    EXPECT_TRUE(machine.windows.isWindowVisible(notes));
    EXPECT_TRUE(program().engine().state().hiddenWindows.entries().empty());
    EXPECT_GE(redraws, 1) << "the open window shows the lists as the hotkey left them";
    window().setChangeListener(nullptr);
}

// The captions of a context menu and whether each is enabled, as the user sees them.
std::vector<std::pair<std::string, bool>> shown(const std::vector<ContextMenuEntry>& menu) {
    std::vector<std::pair<std::string, bool>> entries;
    for (const auto& entry : menu) entries.emplace_back(std::string(entry.caption), entry.enabled);
    return entries;
}

TEST_F(MainWindowTest, EachListsContextMenuDoesWhatItsEntriesSay) {
    setPassword("Secret");
    start("UsePW=1\r\n");
    window().navigate(MainPage::VisibleWindows);
    using Entries = std::vector<std::pair<std::string, bool>>;
    EXPECT_EQ(shown(window().openContextMenu(MainList::VisibleWindows)),
              (Entries{{"Hide selected window", true}, {"Refresh...", true}}));
    EXPECT_EQ(shown(window().openContextMenu(MainList::WindowExclusions)), (Entries{{"Clear all", true}}));
    // The hidden-window list and the application exclusions share one menu: each enables its own.
    EXPECT_EQ(shown(window().openContextMenu(MainList::HiddenWindows)), (Entries{{"Show selected window", true},
                                                                                 {"Show all windows", true},
                                                                                 {"Close window...", true},
                                                                                 {"Remove selected", false},
                                                                                 {"Add application", false}}));
    const auto applicationMenu = window().openContextMenu(MainList::ApplicationExclusions);
    EXPECT_EQ(shown(applicationMenu), (Entries{{"Show selected window", false},
                                               {"Show all windows", false},
                                               {"Close window...", false},
                                               {"Remove selected", true},
                                               {"Add application", true}}));
    ASSERT_EQ(applicationMenu.back().submenu.size(), 1u);
    EXPECT_EQ(applicationMenu.back().submenu[0].caption, "Browse...");

    // "Refresh..." lists a window opened since; "Hide selected window" hides the one selected.
    const platform::WindowId notes = machine.windows.open({"Notes", editor});
    window().runContextCommand(ContextCommand::RefreshVisibleWindows);
    ASSERT_TRUE(listedAsVisible("Notes"));
    const auto& visible = program().engine().state().visibleWindows.entries();
    const auto notesRow =
        std::find_if(visible.begin(), visible.end(), [](const auto& e) { return e.title == "Notes"; });
    window().exclusionPage().selectVisibleWindow(static_cast<std::size_t>(notesRow - visible.begin()));
    window().runContextCommand(ContextCommand::HideSelectedWindow);
    EXPECT_FALSE(machine.windows.isWindowVisible(notes));
    EXPECT_TRUE(machine.windows.isWindowVisible(letter));

    // "Show selected window" from the menu asks for the password as the page's button does.
    window().navigate(MainPage::HiddenWindows);
    window().hiddenWindowsPage().selectHiddenWindow(0);
    password::testing::userCancelsPrompt(machine.dialogs);
    window().runContextCommand(ContextCommand::ShowSelectedWindow);
    EXPECT_FALSE(machine.windows.isWindowVisible(notes));
    password::testing::userTypesIntoPrompt(machine.dialogs, "Secret");
    window().runContextCommand(ContextCommand::ShowAllWindows);
    EXPECT_TRUE(machine.windows.isWindowVisible(notes));

    // "Clear all" empties the window exclusions; "Browse..." adds an application, which "Remove
    // selected" takes away again.
    window().navigate(MainPage::VisibleWindows);
    window().exclusionPage().selectVisibleWindow(0);
    window().exclusionPage().excludeSelectedWindow();
    const auto& exclusions = program().engine().state().exclusions;
    ASSERT_EQ(exclusions.windows.entries().size(), 1u);
    window().runContextCommand(ContextCommand::ClearWindowExclusions);
    EXPECT_TRUE(exclusions.windows.entries().empty());
    const std::size_t applications = exclusions.applications.entries().size();
    machine.dialogs.userChoosesFile("C:\\Tools\\mail.exe");
    window().runContextCommand(ContextCommand::BrowseForApplicationExclusion);
    ASSERT_EQ(exclusions.applications.entries().size(), applications + 1);
    window().exclusionPage().selectApplicationExclusion(applications);
    window().runContextCommand(ContextCommand::RemoveApplicationExclusion);
    EXPECT_EQ(exclusions.applications.entries().size(), applications);
    EXPECT_TRUE(machine.dialogs.scriptDone());
}

}  // namespace
}  // namespace umbrix::ui
