#include <gtest/gtest.h>

#include "config/ConfigurationError.hpp"
#include "config/InitConfiguration.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::config {
namespace {

TEST(InitConfiguration, DescribesTheRunningProgramFromItsVersionResource) {
    for (const char* text : {"7.1.1.98", "7,1,1,98", "7, 1, 1, 98"}) {
        SCOPED_TRACE(text);
        sim::SimMachine machine;
        machine.system.fileVersion = text;
        const Configuration configuration = initConfiguration(machine.system, machine.files);

        EXPECT_EQ(configuration.titleCaption, "Umbrix: 7.1.1. Build 98");
        const update::Version& current = configuration.currentVersion;
        EXPECT_EQ(current.majorVersion, 7);
        EXPECT_EQ(current.minorVersion, 1);
        EXPECT_EQ(current.release, 1);
        EXPECT_EQ(current.build, 98);
        EXPECT_EQ(current.platform, "x86");
        EXPECT_EQ(current.releaseDate, update::CivilDate::from(2019, 1, 17));
        EXPECT_EQ(current.installerUrl, "");
        EXPECT_EQ(current.installerUrl2, "");
        EXPECT_EQ(current.installerSize, 0);
    }
}

TEST(InitConfiguration, ABrokenVersionResourceStopsTheStart) {
    for (std::optional<std::string> text : {std::optional<std::string>(), std::optional<std::string>("7.1.x.98")}) {
        sim::SimMachine machine;
        machine.system.fileVersion = text;
        EXPECT_THROW(initConfiguration(machine.system, machine.files), ConfigurationError);
    }
}

TEST(InitConfiguration, PlacesTheWorkFoldersUnderTheAllUsersApplicationData) {
    struct Case {
        const char* appData;
        const char* expectedRoot;
    } cases[] = {
        {"C:\\ProgramData", "C:\\ProgramData"},
        {"D:\\Shared Data\\", "D:\\Shared Data"},
        {"E:\\", "E:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.appData);
        sim::SimMachine machine;
        machine.system.specialFolders[platform::SpecialFolder::CommonAppData] = c.appData;
        machine.files.makeDirectories(c.appData);
        const Configuration configuration = initConfiguration(machine.system, machine.files);
        const std::string root = c.expectedRoot;
        EXPECT_EQ(configuration.binFolder, root + "\\QZ\\bin\\");
        EXPECT_EQ(configuration.updateFolder, root + "\\QZ\\bin\\temp");
        EXPECT_EQ(configuration.versionCheckFile, root + "\\QZ\\bin\\temp\\versionchk.cfg");
        EXPECT_EQ(configuration.newsFile, root + "\\QZ\\bin\\temp\\news.cfg");
        EXPECT_TRUE(machine.files.directoryExists(root + "\\QZ\\bin\\temp"));
    }
}

TEST(InitConfiguration, CreatesTheFoldersOnlyWhenMissing) {
    sim::SimMachine machine;
    const int before = machine.files.mutations();
    initConfiguration(machine.system, machine.files);
    EXPECT_TRUE(machine.files.directoryExists("C:\\ProgramData\\QZ"));
    EXPECT_TRUE(machine.files.directoryExists("C:\\ProgramData\\QZ\\bin"));
    EXPECT_TRUE(machine.files.directoryExists("C:\\ProgramData\\QZ\\bin\\temp"));
    EXPECT_EQ(machine.files.mutations() - before, 3);

    // The next start finds them and leaves them, with what is in them, alone.
    machine.files.putFile("C:\\ProgramData\\QZ\\bin\\temp\\setup_x86.exe", "MZ");
    const int second = machine.files.mutations();
    initConfiguration(machine.system, machine.files);
    EXPECT_EQ(machine.files.mutations(), second);
    EXPECT_EQ(machine.files.readFile("C:\\ProgramData\\QZ\\bin\\temp\\setup_x86.exe"), "MZ");
}

TEST(InitConfiguration, FoldersThatCannotBeCreatedDoNotStopTheStart) {
    sim::SimMachine machine;
    machine.files.setReadOnly("C:\\ProgramData");
    const Configuration configuration = initConfiguration(machine.system, machine.files);
    EXPECT_EQ(configuration.titleCaption, "Umbrix: 7.1.1. Build 98");
    EXPECT_EQ(configuration.updateFolder, "C:\\ProgramData\\QZ\\bin\\temp");
    EXPECT_FALSE(machine.files.directoryExists("C:\\ProgramData\\QZ"));
}

TEST(InitConfiguration, WithoutAnApplicationDataFolderTheFoldersStayEmpty) {
    sim::SimMachine machine;
    machine.system.specialFolders.erase(platform::SpecialFolder::CommonAppData);
    const int before = machine.files.mutations();
    const Configuration configuration = initConfiguration(machine.system, machine.files);
    EXPECT_EQ(configuration.binFolder, "");
    EXPECT_EQ(configuration.updateFolder, "");
    EXPECT_EQ(configuration.versionCheckFile, "");
    EXPECT_EQ(configuration.newsFile, "");
    EXPECT_EQ(machine.files.mutations(), before);
    EXPECT_EQ(configuration.currentVersion.build, 98);
}

}  // namespace
}  // namespace umbrix::config
