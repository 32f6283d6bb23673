#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/SimMachine.hpp"
#include "update/LatestVersion.hpp"
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

const Version kCurrent{.majorVersion = 7,
                       .minorVersion = 1,
                       .release = 1,
                       .build = 98,
                       .releaseDate = CivilDate::from(2019, 1, 17).value(),
                       .platform = "x86"};

class DownloadLatestVersion : public ::testing::Test {
protected:
    DownloadLatestVersion() { machine.files.makeDirectories(kFolder); }

    // The check as the program makes it: the record is replaced only by a version that was read.
    bool check(Version& latest) { return checkWith(latest, machine.network, machine.files); }
    static bool checkWith(Version& latest, platform::NetworkPort& network, platform::FilePort& files,
                          const std::string& path = kPath) {
        std::optional<Version> read = downloadLatestVersion(kCurrent, kUrl, path, network, files);
        if (read) latest = std::move(*read);
        return read.has_value();
    }

    static void expectUnchanged(const Version& record) { EXPECT_EQ(record, Version{}); }

    sim::SimMachine machine;
};

TEST_F(DownloadLatestVersion, ReadsTheVersionWithItsInstallerSizeAndDeletesTheLocalCopy) {
    machine.network.publish(kUrl, versionFile("7.2.0.105"));
    Version latest;
    ASSERT_TRUE(check(latest));

    EXPECT_EQ(latest.majorVersion, 7);
    EXPECT_EQ(latest.minorVersion, 2);
    EXPECT_EQ(latest.release, 0);
    EXPECT_EQ(latest.build, 105);
    EXPECT_EQ(latest.releaseDate, CivilDate::from(2020, 6, 15));
    EXPECT_EQ(latest.installerSize, 3145728);
    EXPECT_EQ(latest.installerUrl, "http://updates.umbrix.example/setup_x86.exe");
    EXPECT_EQ(latest.installerUrl2, "http://mirror.umbrix.example/x86/setup_x86.exe");
    EXPECT_EQ(latest.platform, "") << "the platform is never read from the file";
    EXPECT_FALSE(machine.files.fileExists(kPath));

    // The cached copy is dropped before the download, so the server is asked.
    const auto& calls = machine.network.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, sim::SimNetwork::Call::Kind::RemoveFromCache);
    EXPECT_EQ(calls[0].url, kUrl);
    EXPECT_EQ(calls[1].kind, sim::SimNetwork::Call::Kind::Download);
    EXPECT_EQ(calls[1].path, kPath);
}

TEST_F(DownloadLatestVersion, EveryCheckSeesWhatTheServerPublishesNowNotACachedCopy) {
    machine.network.publish(kUrl, versionFile("7.1.1.98"));
    Version first;
    ASSERT_TRUE(check(first));
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    Version second;
    ASSERT_TRUE(check(second));
    EXPECT_EQ(second.build, 99);
    EXPECT_EQ(machine.network.serverRequests(kUrl), 2);
}

TEST_F(DownloadLatestVersion, AFailedDownloadGivesNoVersionAndTouchesNothing) {
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
        EXPECT_EQ(downloadLatestVersion(kCurrent, kUrl, kPath, fresh.network, fresh.files), std::nullopt);
        EXPECT_EQ(fresh.files.readFile(kPath), "left from an earlier check");
    }
}

TEST_F(DownloadLatestVersion, DownloadIntoAFolderThatWasNeverCreatedFails) {
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    EXPECT_EQ(downloadLatestVersion(kCurrent, kUrl, "C:\\ProgramData\\Nowhere\\versionchk.cfg", machine.network,
                                    machine.files),
              std::nullopt);
}

TEST_F(DownloadLatestVersion, AnUnreadableFileRaisesKeepsTheRecordAndTheLocalCopy) {
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
        try {
            checkWith(latest, fresh.network, fresh.files);
            ADD_FAILURE() << "no error raised";
        } catch (const VersionFileError& error) {
            EXPECT_EQ(error.problem(), c.problem) << error.what();
        }
        expectUnchanged(latest);
        EXPECT_TRUE(fresh.files.fileExists(kPath)) << "the local copy stays for inspection";
    }
}

TEST_F(DownloadLatestVersion, ARecordFilledBeforeKeepsItsValuesWhenTheNextFileIsBad) {
    machine.network.publish(kUrl, versionFile("7.1.1.99"));
    Version latest;
    ASSERT_TRUE(check(latest));
    const Version before = latest;
    machine.network.publish(kUrl, versionFile("7.1.1.120", "12 MB"));
    EXPECT_THROW(check(latest), VersionFileError);
    EXPECT_EQ(latest, before);
    EXPECT_EQ(latest.build, 99);
}

TEST_F(DownloadLatestVersion, ADownloadThatCannotBeOpenedAfterwardsIsAnError) {
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
        checkWith(latest, network, machine.files);
        FAIL() << "no error raised";
    } catch (const VersionFileError& error) {
        EXPECT_EQ(error.problem(), VersionFileError::Problem::Unreadable);
        EXPECT_NE(std::string(error.what()).find(kPath), std::string::npos) << error.what();
    }
    expectUnchanged(latest);
}

}  // namespace
}  // namespace umbrix::update
