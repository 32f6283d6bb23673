#include <gtest/gtest.h>

#include "config/ConfigurationError.hpp"
#include "config/ProgramVersionText.hpp"

namespace umbrix::config {
namespace {

TEST(ProgramVersionText, ReadsDotsOrCommasWithBlanksAround) {
    struct Case {
        const char* text;
        std::int32_t major, minor, release;
        std::int64_t build;
        const char* title;
    } cases[] = {
        {"7.1.1.98", 7, 1, 1, 98, "Umbrix: 7.1.1. Build 98"},
        {"7,1,1,98", 7, 1, 1, 98, "Umbrix: 7.1.1. Build 98"},
        {"7, 1, 1, 98", 7, 1, 1, 98, "Umbrix: 7.1.1. Build 98"},
        {" 7 .1 ,\t1. 98 ", 7, 1, 1, 98, "Umbrix: 7.1.1. Build 98"},
        {"10.0.12.65535", 10, 0, 12, 65535, "Umbrix: 10.0.12. Build 65535"},
        {"7.1.1.4294967296", 7, 1, 1, 4294967296LL, "Umbrix: 7.1.1. Build 4294967296"},
        // The title shows the parts as written.
        {"07.01.1.0098", 7, 1, 1, 98, "Umbrix: 07.01.1. Build 0098"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ProgramVersionText version = parseProgramVersionText(c.text);
        EXPECT_EQ(version.MajorVersion, c.major);
        EXPECT_EQ(version.MinorVersion, c.minor);
        EXPECT_EQ(version.ReleaseNumber, c.release);
        EXPECT_EQ(version.BuildNumber, c.build);
        EXPECT_EQ(titleCaptionFor(version), c.title);
    }
}

TEST(ProgramVersionText, AnythingButFourNumbersIsAnError) {
    const char* cases[] = {"",       "7.1.1",     "7.1.1.98.5",    "7.1.x.98",          "7..1.98",
                           "7.1.1.", "v7.1.1.98", "7.1.1.98 beta", "2147483648.1.1.98", "7.1.1.99999999999999999999"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        try {
            parseProgramVersionText(text);
            ADD_FAILURE() << "accepted";
        } catch (const ConfigurationError& error) {
            EXPECT_NE(std::string(error.what()).find(std::string("\"") + text + "\""), std::string::npos)
                << error.what();
        }
    }
}

}  // namespace
}  // namespace umbrix::config
