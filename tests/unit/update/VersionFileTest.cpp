#include <gtest/gtest.h>

#include <string>

#include "update/VersionFile.hpp"

namespace umbrix::update {
namespace {

using Problem = VersionFileError::Problem;

CivilDate date(int year, int month, int day) { return CivilDate::from(year, month, day).value(); }

const std::string kInstaller = "http://updates.umbrix.example/files/setup_Flag_Platform.exe";

struct GoodCase {
    const char* name;
    std::string bytes;
    Version expected;
};

TEST(VersionFile, ReadsEveryFieldOfWellFormedFiles) {
    const Version typical{7,
                          1,
                          2,
                          105,
                          date(2020, 6, 15),
                          "http://updates.umbrix.example/files/setup_x86.exe",
                          1048576,
                          "http://mirror.umbrix.example/setup_x86.exe"};
    const GoodCase cases[] = {
        {"CR LF line ends",
         "7.1.2.105\r\n15.6.2020\r\n" + kInstaller +
             "\r\n1048576\r\nhttp://mirror.umbrix.example/setup_Flag_Platform.exe\r\n",
         typical},
        {"lone LF line ends",
         "7.1.2.105\n15.6.2020\n" + kInstaller + "\n1048576\nhttp://mirror.umbrix.example/setup_Flag_Platform.exe",
         typical},
        {"mixed line ends, no end after line 5, a UTF-8 byte-order mark",
         "\xEF\xBB\xBF"
         "7.1.2.105\r\n15.6.2020\n" +
             kInstaller + "\r\n1048576\nhttp://mirror.umbrix.example/setup_Flag_Platform.exe\r",
         typical},
        {"lines after the fifth are ignored",
         "7.1.2.105\r\n15.6.2020\r\n" + kInstaller +
             "\r\n1048576\r\nhttp://mirror.umbrix.example/setup_x86.exe\r\n"
             "garbage\r\n31.2.2020\r\n",
         typical},
        {"a fifth version field is ignored, empty fields do not count",
         ".7..1.2...105.3.\r\n..15.6..2020.\r\n" + kInstaller +
             "\r\n1048576\r\nhttp://mirror.umbrix.example/setup_x86.exe\r\n",
         typical},
        {"blanks around numbers and a plus sign",
         " 7 .1. 2\t.105 \r\n15 . 6 . 2020\r\n" + kInstaller +
             "\r\n +1048576 \r\nhttp://mirror.umbrix.example/setup_x86.exe\r\n",
         typical},
        {"a build above 2^31 and the largest size",
         "1.0.0.9000000000\r\n29.2.2000\r\nhttp://a/x.exe\r\n2147483647\r\nhttp://b/x.exe\r\n",
         {1, 0, 0, 9000000000LL, date(2000, 2, 29), "http://a/x.exe", 2147483647, "http://b/x.exe"}},
        {"placeholder twice, and its other spellings left alone",
         "7.1.1.98\r\n17.1.2019\r\nhttp://Flag_Platform/Flag_Platform.exe\r\n0\r\nhttp://h/flag_platform/FLAG_PLATFORM/"
         "Flag_PlatformFlag_Platform\r\n",
         {7, 1, 1, 98, date(2019, 1, 17), "http://x86/x86.exe", 0, "http://h/flag_platform/FLAG_PLATFORM/x86x86"}},
        {"empty address lines are kept as they are",
         "7.1.1.98\r\n17.1.2019\r\n\r\n0\r\n\r\n",
         {7, 1, 1, 98, date(2019, 1, 17), "", 0, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readVersionFile(c.bytes, "x86"), c.expected);
    }
}

TEST(VersionFile, ThePlaceholderBecomesWhateverPlatformIsGiven) {
    EXPECT_EQ(replacePlatformPlaceholder("a_Flag_Platform_b", "x64"), "a_x64_b");
    EXPECT_EQ(replacePlatformPlaceholder("no placeholder", "x64"), "no placeholder");
    // A platform text that itself contains the placeholder is not replaced again.
    EXPECT_EQ(replacePlatformPlaceholder("Flag_Platform", "Flag_Platform!"), "Flag_Platform!");
    EXPECT_EQ(replacePlatformPlaceholder("Flag_Platform", ""), "");
}

struct BadCase {
    const char* name;
    std::string bytes;
    Problem problem;
    int line;
};

TEST(VersionFile, RejectsFilesThatAreNotVersionFilesNamingTheLine) {
    const std::string tail = "http://a/x.exe\r\n100\r\nhttp://b/x.exe\r\n";
    const BadCase cases[] = {
        {"empty file", "", Problem::MissingLine, 1},
        {"four lines", "7.1.1.98\r\n17.1.2019\r\nhttp://a/x.exe\r\n100\r\n", Problem::MissingLine, 5},
        {"four lines, LF only", "7.1.1.98\n17.1.2019\nhttp://a/x.exe\n100", Problem::MissingLine, 5},
        {"one line", "7.1.1.98", Problem::MissingLine, 2},
        {"three version fields", "7.1.98\r\n17.1.2019\r\n" + tail, Problem::TooFewFields, 1},
        {"dots that leave three fields", "7..1..98.\r\n17.1.2019\r\n" + tail, Problem::TooFewFields, 1},
        {"two date fields", "7.1.1.98\r\n17.2019\r\n" + tail, Problem::TooFewFields, 2},
        {"date written with slashes", "7.1.1.98\r\n17/1/2019\r\n" + tail, Problem::TooFewFields, 2},
        {"letter in the build", "7.1.1.9a\r\n17.1.2019\r\n" + tail, Problem::NotANumber, 1},
        {"hexadecimal major", "$7.1.1.98\r\n17.1.2019\r\n" + tail, Problem::NotANumber, 1},
        {"blank inside a number", "7.1.1.9 8\r\n17.1.2019\r\n" + tail, Problem::NotANumber, 1},
        {"sign twice", "7.1.1.+-98\r\n17.1.2019\r\n" + tail, Problem::NotANumber, 1},
        {"month name", "7.1.1.98\r\n17.Jan.2019\r\n" + tail, Problem::NotANumber, 2},
        {"size with a unit", "7.1.1.98\r\n17.1.2019\r\nhttp://a/x.exe\r\n100 KB\r\nhttp://b\r\n", Problem::NotANumber,
         4},
        {"empty size", "7.1.1.98\r\n17.1.2019\r\nhttp://a/x.exe\r\n\r\nhttp://b\r\n", Problem::NotANumber, 4},
        {"major beyond 32 bits", "2147483648.1.1.98\r\n17.1.2019\r\n" + tail, Problem::OutOfRange, 1},
        {"build beyond 64 bits", "7.1.1.9223372036854775808\r\n17.1.2019\r\n" + tail, Problem::OutOfRange, 1},
        {"size beyond 32 bits", "7.1.1.98\r\n17.1.2019\r\nhttp://a\r\n4294967296\r\nhttp://b\r\n", Problem::OutOfRange,
         4},
        {"31 February", "7.1.1.98\r\n31.2.2020\r\n" + tail, Problem::NoSuchDate, 2},
        {"29 February of a common year", "7.1.1.98\r\n29.2.2019\r\n" + tail, Problem::NoSuchDate, 2},
        {"29 February 1900", "7.1.1.98\r\n29.2.1900\r\n" + tail, Problem::NoSuchDate, 2},
        {"31 April", "7.1.1.98\r\n31.4.2020\r\n" + tail, Problem::NoSuchDate, 2},
        {"day 0", "7.1.1.98\r\n0.4.2020\r\n" + tail, Problem::NoSuchDate, 2},
        {"month 13", "7.1.1.98\r\n1.13.2020\r\n" + tail, Problem::NoSuchDate, 2},
        {"year 0", "7.1.1.98\r\n1.1.0\r\n" + tail, Problem::NoSuchDate, 2},
        {"year month day order", "7.1.1.98\r\n2020.6.15\r\n" + tail, Problem::NoSuchDate, 2},
        {"an HTTP error page saved in its place",
         "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\r\n<html><head><title>404 Not Found</title></head>\r\n"
         "<body><h1>Not Found</h1></body></html>\r\n",
         Problem::TooFewFields, 1},
        {"an error page without a doctype", "<html>\n<body>Not Found</body>\n</html>\n", Problem::TooFewFields, 1},
        {"UTF-16 text",
         std::string("7\0.\0"
                     "1\0.\0"
                     "1\0.\0"
                     "9\0"
                     "8\0\r\0\n\0",
                     22) +
             "17.1.2019\r\n" + tail,
         Problem::NotANumber, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readVersionFile(c.bytes, "x86");
            ADD_FAILURE() << "read without error";
        } catch (const VersionFileError& error) {
            EXPECT_EQ(error.problem(), c.problem) << error.what();
            EXPECT_EQ(error.line(), c.line) << error.what();
            EXPECT_NE(std::string(error.what()).find("line " + std::to_string(c.line)), std::string::npos)
                << error.what();
        }
    }
}

TEST(VersionFile, ErrorMessagesQuoteTheServersTextShortAndWithoutControlCharacters) {
    const std::string longLine(500, '7');
    try {
        readVersionFile("1.2.3.4\r\n17.1.2019\r\nhttp://a\r\n\x1b[2J" + longLine + "\r\nhttp://b\r\n", "x86");
        FAIL() << "read without error";
    } catch (const VersionFileError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.find('\x1b'), std::string::npos) << message;
        EXPECT_LT(message.size(), 160u) << message;
        EXPECT_NE(message.find("installer size"), std::string::npos) << message;
    }
}

// What the message quotes of a line 4 that is not a number.
std::string quotedSize(const std::string& line4) {
    try {
        readVersionFile("1.2.3.4\r\n17.1.2019\r\nhttp://a\r\n" + line4 + "\r\nhttp://b\r\n", "x86");
    } catch (const VersionFileError& error) {
        const std::string message = error.what();
        const std::string before = "installer size \"", after = "\" is not a decimal number";
        const std::size_t begin = message.find(before), end = message.rfind(after);
        if (begin != std::string::npos && end != std::string::npos && end >= begin + before.size())
            return message.substr(begin + before.size(), end - begin - before.size());
        return "(unexpected message) " + message;
    }
    return "(read without error)";
}

TEST(VersionFile, ErrorMessagesEscapeEveryControlCharacterAndCutBetweenCharacters) {
    const std::string a39(39, 'a'), a40(40, 'a');
    const struct {
        const char* what;
        std::string line;
        std::string shown;
    } cases[] = {
        {"escape and DEL", "1\x1B[2J\x7F", "1\\x1B[2J\\x7F"},
        {"NUL, tab and a C1 control (NEL)", std::string("1\0\t\xC2\x85", 5), "1\\x00\\x09\\x85"},
        {"a backslash is escaped too", "C:\\x", "C:\\\\x"},
        {"forty characters are shown whole", a40, a40},
        {"a two-byte character across the 40th byte", a39 + "\xC3\xA9" + "b", a39 + "\xC3\xA9..."},
        {"a three-byte character as the 40th", a39 + "\xE2\x82\xAC" + "b", a39 + "\xE2\x82\xAC..."},
        {"bytes that are not UTF-8", "1\xE9\xC0\xBF", "1\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) EXPECT_EQ(quotedSize(c.line), c.shown) << c.what;
}

}  // namespace
}  // namespace umbrix::update
