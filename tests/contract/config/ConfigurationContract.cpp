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

    EXPECT_EQ(configuration.titleCaption, "Umbrix: 7.1.1. Build 98");
    EXPECT_EQ(configuration.currentVersion.majorVersion, 7);
    EXPECT_EQ(configuration.currentVersion.minorVersion, 1);
    EXPECT_EQ(configuration.currentVersion.release, 1);
    EXPECT_EQ(configuration.currentVersion.build, 98);
    EXPECT_EQ(configuration.currentVersion.platform, "x86");

    // The all-users application data folder is C:\ProgramData on the sim, Wine and Windows.
    EXPECT_EQ(configuration.binFolder, "C:\\ProgramData\\QZ\\bin\\");
    EXPECT_EQ(configuration.updateFolder, "C:\\ProgramData\\QZ\\bin\\temp");
    EXPECT_EQ(configuration.versionCheckFile, "C:\\ProgramData\\QZ\\bin\\temp\\versionchk.cfg");
    EXPECT_EQ(configuration.newsFile, "C:\\ProgramData\\QZ\\bin\\temp\\news.cfg");
    EXPECT_TRUE(platform.files.directoryExists(configuration.binFolder));
    EXPECT_TRUE(platform.files.directoryExists(configuration.updateFolder));

    // A download can land there.
    ASSERT_TRUE(platform.files.writeFileThrough(configuration.versionCheckFile, "probe"));
    EXPECT_TRUE(platform.files.deleteFile(configuration.versionCheckFile));
}

}  // namespace
}  // namespace umbrix::contract
