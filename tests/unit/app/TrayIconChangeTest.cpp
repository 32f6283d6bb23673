// "&Change Icon..." from the tray menu: the shell's picker, the new tray icon, and the two keys
// of QZ.ini that bring the choice back at the next start.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/Application.hpp"
#include "app/TrayIconChange.hpp"
#include "app/TrayMenu.hpp"
#include "sim/SimMachine.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::app {
namespace {

using platform::IconLocation;

constexpr const char* kShell32 = "%SystemRoot%\\SYSTEM32\\shell32.dll";
constexpr const char* kIconLibrary = "C:\\Program Files\\Icons\\moreicons.dll";

class ChangeIcon : public ::testing::Test {
protected:
    ChangeIcon() { machine.icons.putIconFile(kIconLibrary, 40); }

    void start() {
        application = std::make_unique<Application>(ports, machine.application);
        ASSERT_EQ(application->start(), StartOutcome::Running);
    }
    void restart() {
        machine.application.postClose();
        ASSERT_EQ(machine.application.runMessageLoop(), 0);
        application.reset();
        machine.instance.endProcess();
        start();
    }
    // The user chooses "&Change Icon..." from the tray menu and answers the picker so.
    void changeIcon(std::optional<IconLocation> answer) {
        machine.icons.userPicks(std::move(answer));
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(TrayCommand::ChangeIcon));
        machine.tray.click(1, 0x0205);
    }
    std::optional<IconLocation> stored() {
        settings::SettingsFile file(machine.files, machine.text, settings::settingsFilePathFor(machine.system.exePath));
        std::string name = file.readString("StartUp", "IconFile", "");
        if (name.empty()) return std::nullopt;
        return IconLocation{name, file.readInteger("StartUp", "IconIndex", -1)};
    }
    IconLocation trayPicture() const { return machine.tray.icons.at(1).image; }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    std::unique_ptr<Application> application;
};

TEST_F(ChangeIcon, TheMenuOffersItAfterASeparatorBelowAbout) {
    start();
    machine.tray.click(1, 0x0205);
    const auto& entries = machine.application.menusShown.at(0);
    ASSERT_GE(entries.size(), 4u);
    EXPECT_TRUE(entries[1].caption.empty()) << "a separator comes before";
    EXPECT_EQ(entries[2].caption, "&Change Icon...");
    EXPECT_EQ(entries[2].command, static_cast<std::uint32_t>(TrayCommand::ChangeIcon));
    EXPECT_EQ(entries[3].caption, "&Open main window");
}

TEST_F(ChangeIcon, AConfirmedIconBecomesTheTrayIconAndIsStored_TheNextStartShowsIt) {
    start();
    const IconLocation ownIcon = trayPicture();
    changeIcon(IconLocation{kIconLibrary, 17});

    ASSERT_EQ(machine.icons.pickersOpened.size(), 1u);
    EXPECT_EQ(machine.icons.pickersOpened[0], (IconLocation{kShell32, 0})) << "the picker starts at shell32, icon 0";
    EXPECT_NE(trayPicture(), ownIcon);
    EXPECT_EQ(trayPicture(), (IconLocation{kIconLibrary, 17}));
    const IconExtractor& extractor = application->program()->trayIconChange().chosenIcon();
    EXPECT_EQ(extractor.iconCount, 40);
    EXPECT_EQ(extractor.extracted, (platform::IconSize{32, 32}));
    EXPECT_EQ(stored(), (IconLocation{kIconLibrary, 17}));

    restart();
    EXPECT_EQ(trayPicture(), (IconLocation{kIconLibrary, 17}));
    EXPECT_EQ(stored(), (IconLocation{kIconLibrary, 17})) << "the full save at the close leaves the two keys alone";
}

TEST_F(ChangeIcon, CancellingOnAFreshInstallationKeepsTheProgramsOwnIcon_AlsoAtTheNextStart) {
    start();
    const IconLocation ownIcon = trayPicture();
    changeIcon(std::nullopt);
    EXPECT_EQ(trayPicture(), ownIcon) << "nothing changes on screen";
    const std::string file = machine.files.readFile(settings::settingsFilePathFor(machine.system.exePath)).value_or("");
    EXPECT_NE(file.find("IconFile=\r\n"), std::string::npos) << "both keys are written, the file empty: " << file;
    EXPECT_NE(file.find("IconIndex=3\r\n"), std::string::npos) << file;

    restart();
    EXPECT_EQ(trayPicture(), ownIcon);
}

TEST_F(ChangeIcon, CancellingKeepsAnIconChosenInAnEarlierRun) {
    start();
    changeIcon(IconLocation{kIconLibrary, 5});
    restart();
    changeIcon(std::nullopt);
    EXPECT_EQ(stored(), (IconLocation{kIconLibrary, 5}));
    EXPECT_EQ(trayPicture(), (IconLocation{kIconLibrary, 5}));
}

TEST_F(ChangeIcon, ThePickerOpensAtTheLastChoice) {
    start();
    changeIcon(IconLocation{kIconLibrary, 9});
    changeIcon(std::nullopt);
    changeIcon(IconLocation{kShell32, 44});
    ASSERT_EQ(machine.icons.pickersOpened.size(), 3u);
    EXPECT_EQ(machine.icons.pickersOpened[1], (IconLocation{kIconLibrary, 9}));
    EXPECT_EQ(machine.icons.pickersOpened[2], (IconLocation{kIconLibrary, 9}));
    EXPECT_EQ(trayPicture(), (IconLocation{kShell32, 44}));
}

TEST_F(ChangeIcon, AnIconThatCannotBeExtractedChangesNothingOnScreenAndSaysNothing) {
    start();
    changeIcon(IconLocation{kIconLibrary, 7});
    struct Case {
        const char* what;
        IconLocation choice;
    } cases[] = {{"an index beyond the file's icons", {kIconLibrary, 40}},
                 {"a file that is gone", {"C:\\Gone\\icons.dll", 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        changeIcon(c.choice);
        EXPECT_EQ(trayPicture(), (IconLocation{kIconLibrary, 7}));
        EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
        EXPECT_EQ(application->errors().discardedCount(), 0);
        EXPECT_FALSE(application->program()->trayIconChange().chosenIcon().extracted);
        // The extractor holds the choice, and the settings file with it.
        EXPECT_EQ(stored(), c.choice);
    }
}

}  // namespace
}  // namespace umbrix::app
