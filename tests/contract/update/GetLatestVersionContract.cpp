#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "TestHttpServer.hpp"
#include "update/Version.hpp"
#include "update/VersionFileError.hpp"

namespace umbrix::contract {
namespace {

constexpr std::string_view kVersionPath = "/downloads/updates/QZ/versionchk.cfg";

class GetLatestVersionContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform platform = env->platform();
    std::string localCopy = folderForThisTest(*env) + "\\versionchk.cfg";
    std::unique_ptr<TestHttpServer> server = startTestHttpServer(*env);
    update::Version current{7, 1, 1, 98, "x86", update::CivilDate::from(2019, 1, 17).value(), ""};
};

TEST_F(GetLatestVersionContract, ReadsThePublishedFileAndRemovesTheLocalCopy) {
    server->publish(kVersionPath,
                    "7.1.2.105\r\n15.6.2020\r\nhttp://127.0.0.1/setup_Flag_Platform.exe\r\n2048\r\n"
                    "http://127.0.0.1/mirror/setup_Flag_Platform.exe\r\n");
    update::Version latest;
    std::int32_t installSize = -1;
    ASSERT_EQ(latest.getLatestVersion(current, server->url(kVersionPath), localCopy, platform.network, platform.files,
                                      [&](std::int32_t size) { installSize = size; }),
              0);
    EXPECT_EQ(latest.getBuild(), 105);
    EXPECT_EQ(latest.getReleaseDate(), update::CivilDate::from(2020, 6, 15));
    EXPECT_EQ(latest.getUpdateInstallerURL2(), "http://127.0.0.1/mirror/setup_x86.exe");
    EXPECT_EQ(installSize, 2048);
    EXPECT_TRUE(latest.isNewerVersion(current));
    EXPECT_FALSE(platform.files.fileExists(localCopy));
}

TEST_F(GetLatestVersionContract, AMissingFileOnTheServerNeverPassesForAVersion) {
    // Some URL stacks report a 404 as a failed download, others save the error page: either
    // way no version comes out of it.
    update::Version latest;
    try {
        EXPECT_EQ(
            latest.getLatestVersion(current, server->url(kVersionPath), localCopy, platform.network, platform.files),
            1);
    } catch (const update::VersionFileError& error) {
        EXPECT_EQ(error.line(), 1) << error.what();
    }
    EXPECT_EQ(latest.getBuild(), 0);
    EXPECT_EQ(latest.getUpdateInstallerURL2(), "");
}

TEST_F(GetLatestVersionContract, AnUnreachableServerOrAMissingFolderIsAFailedDownload) {
    server->publish(kVersionPath, "7.1.2.105\r\n15.6.2020\r\nhttp://a\r\n1\r\nhttp://b\r\n");
    update::Version latest;
    EXPECT_EQ(latest.getLatestVersion(current, unreachableUrl(), localCopy, platform.network, platform.files), 1);
    EXPECT_FALSE(platform.files.fileExists(localCopy));
    const std::string nowhere = localCopy.substr(0, localCopy.rfind('\\')) + "\\temp\\versionchk.cfg";
    EXPECT_EQ(latest.getLatestVersion(current, server->url(kVersionPath), nowhere, platform.network, platform.files),
              1);
    EXPECT_EQ(latest.getBuild(), 0);
}

}  // namespace
}  // namespace umbrix::contract
