#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ContractEnvironment.hpp"
#include "TestHttpServer.hpp"
#include "update/LatestVersion.hpp"
#include "update/VersionFileError.hpp"

namespace umbrix::contract {
namespace {

constexpr std::string_view kVersionPath = "/downloads/updates/QZ/versionchk.cfg";

class LatestVersionContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform platform = env->platform();
    std::string localCopy = folderForThisTest(*env) + "\\versionchk.cfg";
    std::unique_ptr<TestHttpServer> server = startTestHttpServer(*env);
    update::Version current{.majorVersion = 7,
                            .minorVersion = 1,
                            .release = 1,
                            .build = 98,
                            .releaseDate = update::CivilDate::from(2019, 1, 17).value(),
                            .platform = "x86"};
    std::optional<update::Version> download(const std::string& url, const std::string& path) {
        return update::downloadLatestVersion(current, url, path, platform.network, platform.files);
    }
};

TEST_F(LatestVersionContract, ReadsThePublishedFileAndRemovesTheLocalCopy) {
    server->publish(kVersionPath,
                    "7.1.2.105\r\n15.6.2020\r\nhttp://127.0.0.1/setup_Flag_Platform.exe\r\n2048\r\n"
                    "http://127.0.0.1/mirror/setup_Flag_Platform.exe\r\n");
    const std::optional<update::Version> latest = download(server->url(kVersionPath), localCopy);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->build, 105);
    EXPECT_EQ(latest->releaseDate, update::CivilDate::from(2020, 6, 15));
    EXPECT_EQ(latest->installerUrl2, "http://127.0.0.1/mirror/setup_x86.exe");
    EXPECT_EQ(latest->installerSize, 2048);
    EXPECT_TRUE(latest->isNewerThan(current));
    EXPECT_FALSE(platform.files.fileExists(localCopy));
}

TEST_F(LatestVersionContract, AMissingFileOnTheServerNeverPassesForAVersion) {
    // Some URL stacks report a 404 as a failed download, others save the error page: either
    // way no version comes out of it.
    try {
        EXPECT_EQ(download(server->url(kVersionPath), localCopy), std::nullopt);
    } catch (const update::VersionFileError& error) {
        EXPECT_EQ(error.line(), 1) << error.what();
    }
}

TEST_F(LatestVersionContract, AnUnreachableServerOrAMissingFolderIsAFailedDownload) {
    server->publish(kVersionPath, "7.1.2.105\r\n15.6.2020\r\nhttp://a\r\n1\r\nhttp://b\r\n");
    EXPECT_EQ(download(unreachableUrl(), localCopy), std::nullopt);
    EXPECT_FALSE(platform.files.fileExists(localCopy));
    const std::string nowhere = localCopy.substr(0, localCopy.rfind('\\')) + "\\temp\\versionchk.cfg";
    EXPECT_EQ(download(server->url(kVersionPath), nowhere), std::nullopt);
}

}  // namespace
}  // namespace umbrix::contract
