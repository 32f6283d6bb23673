#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "config/InitConfiguration.hpp"

namespace umbrix::contract {
namespace {

TEST(ConfigurationContract, TheProgramReadsItsOwnFileVersion) {
    auto env = makeEnvironment();
    EXPECT_EQ(env->platform().system.fileVersionText(), "7.1.1.98");
}

TEST(ConfigurationContract, InitConfigurationGivesTitleVersionAndReadyFolders) {
    auto env = makeEnvironment();
    platform::Platform platform = env->platform();
    const config::Configuration configuration = config::initConfiguration(platform.system, platform.files);

    EXPECT_EQ(configuration.TitleCaption, "Umbrix: 7.1.1. Build 98");
    EXPECT_EQ(configuration.CurrentVersion.majorVersion, 7);
    EXPECT_EQ(configuration.CurrentVersion.minorVersion, 1);
    EXPECT_EQ(configuration.CurrentVersion.release, 1);
    EXPECT_EQ(configuration.CurrentVersion.build, 98);
    EXPECT_EQ(configuration.CurrentVersion.platform, "x86");

    // The all-users application data folder is C:\ProgramData on the sim, Wine and Windows.
    EXPECT_EQ(configuration.BinFolder, "C:\\ProgramData\\QZ\\bin\\");
    EXPECT_EQ(configuration.UpdateFolder, "C:\\ProgramData\\QZ\\bin\\temp");
    EXPECT_EQ(configuration.VersionCheckFile, "C:\\ProgramData\\QZ\\bin\\temp\\versionchk.cfg");
    EXPECT_EQ(configuration.NewsFile, "C:\\ProgramData\\QZ\\bin\\temp\\news.cfg");
    EXPECT_TRUE(platform.files.directoryExists(configuration.BinFolder));
    EXPECT_TRUE(platform.files.directoryExists(configuration.UpdateFolder));

    // A download can land there.
    ASSERT_TRUE(platform.files.writeFileThrough(configuration.VersionCheckFile, "probe"));
    EXPECT_TRUE(platform.files.deleteFile(configuration.VersionCheckFile));
}

}  // namespace
}  // namespace umbrix::contract
