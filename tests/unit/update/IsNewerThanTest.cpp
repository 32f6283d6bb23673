#include <gtest/gtest.h>

#include "sim/SimMachine.hpp"
#include "update/LatestVersion.hpp"
#include "update/Version.hpp"

namespace umbrix::update {
namespace {

Version version(std::int32_t major, std::int32_t minor, std::int32_t release, std::int64_t build) {
    return Version{.majorVersion = major,
                   .minorVersion = minor,
                   .release = release,
                   .build = build,
                   .releaseDate = CivilDate::from(2019, 1, 17).value(),
                   .platform = "x86"};
}

TEST(IsNewerThan, ComparesBuildNumbersAlone) {
    struct Case {
        const char* name;
        Version latest;
        Version current;
        bool newer;
    } cases[] = {
        {"same build", version(7, 1, 1, 98), version(7, 1, 1, 98), false},
        {"next build", version(7, 1, 1, 99), version(7, 1, 1, 98), true},
        {"older build", version(7, 1, 1, 97), version(7, 1, 1, 98), false},
        {"lower version, higher build", version(6, 0, 0, 99), version(7, 1, 1, 98), true},
        {"higher version, same build", version(8, 0, 0, 98), version(7, 1, 1, 98), false},
        {"build past 32 bits", version(7, 1, 1, 2147483648LL), version(7, 1, 1, 2147483647LL), true},
        {"both past 32 bits", version(7, 1, 1, 4294967296LL), version(7, 1, 1, 4294967297LL), false},
        {"empty record against 98", Version(), version(7, 1, 1, 98), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.latest.isNewerThan(c.current), c.newer);
    }
}

TEST(IsNewerThan, APublishedFileAgainstTheRunningBuild98) {
    struct Case {
        const char* firstLine;
        bool newer;
    } cases[] = {{"7.1.1.98", false}, {"7.1.1.99", true}, {"7.1.1.97", false}, {"7.1.1.3000000000", true}};
    const Version current = version(7, 1, 1, 98);
    const std::string url = "http://updates.umbrix.example/downloads/updates/QZ/versionchk.cfg";
    const std::string path = "C:\\ProgramData\\QZ\\bin\\temp\\versionchk.cfg";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstLine);
        sim::SimMachine machine;
        machine.files.makeDirectories("C:\\ProgramData\\QZ\\bin\\temp");
        machine.network.publish(url, std::string(c.firstLine) + "\r\n17.1.2019\r\nhttp://a\r\n1\r\nhttp://b\r\n");
        const std::optional<Version> latest = downloadLatestVersion(current, url, path, machine.network, machine.files);
        ASSERT_TRUE(latest);
        EXPECT_EQ(latest->isNewerThan(current), c.newer);
    }
}

}  // namespace
}  // namespace umbrix::update
