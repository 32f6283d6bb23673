#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/SimMachine.hpp"
#include "update/Version.hpp"
#include "update/VersionFile.hpp"

namespace umbrix::update {
namespace {

const std::string kUrl = "http://updates.umbrix.example/downloads/updates/QZ/versionchk.cfg";
const std::string kFolder = "C:\\ProgramData\\QZ\\bin\\temp";
const std::string kPath = kFolder + "\\versionchk.cfg";

std::string versionFile(const std::string& versionLine, const std::string& size = "3145728") {
    return versionLine + "\r\n15.6.2020\r\nhttp://updates.umbrix.example/setup_Flag_Platform.exe\r\n" + size +
           "\r\nhttp://mirror.umbrix.example/Flag_Platform/setup_Flag_Platform.exe\r\n";
}

class GetLatestVersionTest : public ::testing::Test {
protected:
    GetLatestVersionTest() { machine.files.makeDirectories(kFolder); }

    int check(Version& latest) {
        return latest.getLatestVersion(current, kUrl, kPath, machine.network, machine.files,
                                       [this](std::int32_t size) { installSize = size; });
    }

    static void expectUnchanged(const Version& record) {
        EXPECT_EQ(record.getBuild(), 0);
        EXPECT_EQ(record.getMajorVersion(), 0);
        EXPECT_EQ(record.getSize(), 0);
        EXPECT_TRUE(record.getReleaseDate().empty());
        EXPECT_EQ(record.getUpdateInstallerURL(), "");
        EXPECT_EQ(record.getUpdateInstallerURL2(), "");
    }

    sim::SimMachine machine;
    Version current{7, 1, 1, 98, "x86", CivilDate::from(2019, 1, 17).value(), ""};
    std::optional<std::int32_t> installSize;
};

TEST_F(GetLatestVersionTest, FillsTheRecordHandsOnTheSizeAndDeletesTheLocalCopy) {
    machine.network.publish(kUrl, versionFile("7.2.0.105"));
    Version latest;
    ASSERT_EQ(check(latest), 0);

    EXPECT_EQ(latest.getMajorVersion(), 7);
    EXPECT_EQ(latest.getMinorVersion(), 2);
    EXPECT_EQ(latest.getRelease(), 0);
    EXPECT_EQ(latest.getBuild(), 105);
    EXPECT_EQ(latest.getReleaseDate(), CivilDate::from(2020, 6, 15));
    EXPECT_EQ(latest.getSize(), 3145728);
    EXPECT_EQ(latest.getUpdateInstallerURL(), "http://updates.umbrix.example/setup_x86.exe");
    EXPECT_EQ(latest.getUpdateInstallerURL2(), "http://mirror.umbrix.example/x86/setup_x86.exe");
    EXPECT_EQ(latest.getPlatform(), "") << "the platform is never read from the file";
    EXPECT_EQ(installSize, 3145728);
    EXPECT_FALSE(machine.files.fileExists(kPath));

    // The cached copy is dropped before the download, so the server is asked.
    const auto& calls = machine.network.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, sim::SimNetwork::Call::Kind::RemoveFromCache);
    EXPECT_EQ(calls[0].url, kUrl);
    EXPECT_EQ(calls[1].kind, sim::SimNetwork::Call::Kind::Download);
    EXPECT_EQ(calls[1].path, kPath);
}

TEST_F(GetLatestVersionTest, EveryCheckSeesWhatTheServerPublishesNowNotACachedCopy) {
    machine.network.publish(kUrl, versionFile("7.1.1.98"));
    Version first;
    ASSERT_EQ(check(first), 0);
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    Version second;
    ASSERT_EQ(check(second), 0);
    EXPECT_EQ(second.getBuild(), 99);
    EXPECT_EQ(machine.network.serverRequests(kUrl), 2);
}

TEST_F(GetLatestVersionTest, AFailedDownloadReturnsOneAndTouchesNothing) {
    struct Case {
        const char* name;
        std::function<void(sim::SimMachine&)> arrange;
    } cases[] = {
        {"server unreachable", [](sim::SimMachine& m) { m.network.failDownloads(kUrl); }},
        {"nothing published", [](sim::SimMachine&) {}},
        {"update folder read-only",
         [](sim::SimMachine& m) {
             m.network.publish(kUrl, versionFile("7.1.1.99"));
             m.files.setReadOnly("C:\\ProgramData\\QZ\\bin\\temp");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimMachine fresh;
        fresh.files.putFile(kPath, "left from an earlier check");
        c.arrange(fresh);
        Version latest;
        std::optional<std::int32_t> size;
        EXPECT_EQ(latest.getLatestVersion(current, kUrl, kPath, fresh.network, fresh.files,
                                          [&](std::int32_t s) { size = s; }),
                  1);
        expectUnchanged(latest);
        EXPECT_EQ(size, std::nullopt);
        EXPECT_EQ(fresh.files.readFile(kPath), "left from an earlier check");
    }
}

TEST_F(GetLatestVersionTest, DownloadIntoAFolderThatWasNeverCreatedFails) {
    Version latest;
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    EXPECT_EQ(latest.getLatestVersion(current, kUrl, "C:\\ProgramData\\Nowhere\\versionchk.cfg", machine.network,
                                      machine.files),
              1);
    expectUnchanged(latest);
}

TEST_F(GetLatestVersionTest, AnUnreadableFileRaisesKeepsTheRecordAndTheLocalCopy) {
    struct Case {
        const char* name;
        std::function<void(sim::SimMachine&)> publish;
        VersionFileError::Problem problem;
    } cases[] = {
        {"error page saved as the file", [](sim::SimMachine& m) { m.network.publishErrorPage(kUrl, 404); },
         VersionFileError::Problem::TooFewFields},
        {"no such date",
         [](sim::SimMachine& m) { m.network.publish(kUrl, "7.1.1.99\r\n31.2.2020\r\nhttp://a\r\n1\r\nhttp://b\r\n"); },
         VersionFileError::Problem::NoSuchDate},
        // Line 4 has been read when line 5 turns out missing: still nothing is handed on.
        {"only four lines",
         [](sim::SimMachine& m) { m.network.publish(kUrl, "7.1.1.99\r\n15.6.2020\r\nhttp://a\r\n1024\r\n"); },
         VersionFileError::Problem::MissingLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimMachine fresh;
        fresh.files.makeDirectories(kFolder);
        c.publish(fresh);
        Version latest;
        std::optional<std::int32_t> size;
        try {
            latest.getLatestVersion(current, kUrl, kPath, fresh.network, fresh.files,
                                    [&](std::int32_t s) { size = s; });
            ADD_FAILURE() << "no error raised";
        } catch (const VersionFileError& error) {
            EXPECT_EQ(error.problem(), c.problem) << error.what();
        }
        expectUnchanged(latest);
        EXPECT_EQ(size, std::nullopt);
        EXPECT_TRUE(fresh.files.fileExists(kPath)) << "the local copy stays for inspection";
    }
}

TEST_F(GetLatestVersionTest, ARecordFilledBeforeKeepsItsValuesWhenTheNextFileIsBad) {
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    Version latest;
    ASSERT_EQ(check(latest), 0);
    machine.network.publish(kUrl, versionFile("7.1.1.120", "12 MB"));
    EXPECT_THROW(check(latest), VersionFileError);
    EXPECT_EQ(latest.getBuild(), 99);
    EXPECT_EQ(latest.getSize(), 3145728);
}

TEST_F(GetLatestVersionTest, ADownloadThatCannotBeOpenedAfterwardsIsAnError) {
    // The download reports success, yet the file is gone before it is read (another program,
    // a virus scanner): that is a fault of the check, not a failed download.
    struct VanishingDownload final : platform::NetworkPort {
        bool removeFromUrlCache(std::string_view) override { return false; }
        platform::DownloadResult downloadToFile(std::string_view, std::string_view) override {
            return platform::DownloadResult::success();
        }
    } network;
    Version latest;
    try {
        latest.getLatestVersion(current, kUrl, kPath, network, machine.files);
        FAIL() << "no error raised";
    } catch (const VersionFileError& error) {
        EXPECT_EQ(error.problem(), VersionFileError::Problem::Unreadable);
        EXPECT_NE(std::string(error.what()).find(kPath), std::string::npos) << error.what();
    }
    expectUnchanged(latest);
}

}  // namespace
}  // namespace umbrix::update
