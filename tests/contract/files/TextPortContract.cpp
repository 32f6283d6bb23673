#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {
namespace {

TEST(TextPortContract, UpperCasesWithTheLocaleRules) {
    auto env = makeEnvironment();
    platform::TextPort& text = env->platform().text;
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"c:\\program files\\umbrix.exe", "C:\\PROGRAM FILES\\UMBRIX.EXE"},
        {"caf\xC3\xA9 \xC3\xBF", "CAF\xC3\x89 \xC5\xB8"},  // é -> É, ÿ -> Ÿ
        {"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
         "\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2"},  // привет
        {"123 +-_[]", "123 +-_[]"},
    };
    for (const auto& c : cases) EXPECT_EQ(text.upperCase(c.in), c.out) << c.in;
}

TEST(TextPortContract, CodePageRoundTripsWesternTextAndMarksTheRest) {
    auto env = makeEnvironment();
    platform::TextPort& text = env->platform().text;
    const std::string western = "C:\\D\xC3\xA9\x63oy \xE2\x82\xAC.txt";  // "C:\Décoy €.txt"
    std::string bytes = text.toCodePage(western);
    EXPECT_EQ(bytes, "C:\\D\xE9\x63oy \x80.txt");
    EXPECT_EQ(text.fromCodePage(bytes), western);
    EXPECT_EQ(text.toCodePage("\xE4\xB8\xAD"), "?");  // CJK has no place in code page 1252
}

// A file in the code page, read and written again, keeps every byte: the five bytes that
// Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) included.
TEST(TextPortContract, EveryCodePageByteRoundTrips) {
    auto env = makeEnvironment();
    platform::TextPort& text = env->platform().text;
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
    EXPECT_EQ(text.toCodePage(text.fromCodePage(every)), every);
    EXPECT_EQ(text.fromCodePage("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

}  // namespace
}  // namespace umbrix::contract
