#include <gtest/gtest.h>

#include <random>

#include "settings/ProfileText.hpp"

namespace umbrix::settings {
namespace {

using Value = std::optional<std::string>;

std::optional<std::string> read(std::string_view text, std::string_view section, std::string_view key) {
    return readProfileValue(text, section, key, asciiNamesEqual);
}

std::string write(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    return writeProfileValue(text, section, key, value, asciiNamesEqual);
}

struct ReadCase {
    const char* what;
    std::string_view text;
    const char* key;
    Value expected;
};

// Reads of "StartUp"/<key>, as GetPrivateProfileStringW answers them.
const ReadCase kReadCases[] = {
    {"plain", "[StartUp]\r\nAction=3\r\n", "Action", "3"},
    {"LF line ends", "[StartUp]\nAction=3\n", "Action", "3"},
    {"lone CR line ends", "[StartUp]\rAction=3\r", "Action", "3"},
    {"no line break at the end", "[StartUp]\r\nAction=3", "Action", "3"},
    {"section name in capitals", "[STARTUP]\r\nAction=3\r\n", "Action", "3"},
    {"key name in another case", "[StartUp]\r\naCTION=3\r\n", "Action", "3"},
    {"blanks around the name, the = and the value", "[StartUp]\r\n  Action \t=  3 \t\r\n", "Action", "3"},
    {"blanks inside and around the brackets", "  [  StartUp\t]  \r\nAction=3\r\n", "Action", "3"},
    {"text after the closing bracket", "[StartUp] ; options\r\nAction=3\r\n", "Action", "3"},
    {"blank lines everywhere", "\r\n\r\n[StartUp]\r\n\r\n   \r\nAction=3\r\n\r\n", "Action", "3"},
    {"DOS end-of-file mark", "[StartUp]\r\nAction=3\x1A", "Action", "3"},
    {"a comment is not the key", "[StartUp]\r\n;Action=4\r\nAction=3\r\n", "Action", "3"},
    {"a commented-out key is missing", "[StartUp]\r\n; Action=4\r\n", "Action", std::nullopt},
    {"missing section", "[Other]\r\nAction=3\r\n", "Action", std::nullopt},
    {"missing key", "[StartUp]\r\nTheme=3\r\n", "Action", std::nullopt},
    {"empty file", "", "Action", std::nullopt},
    {"a key before the first section belongs to none", "Action=3\r\n[StartUp]\r\n", "Action", std::nullopt},
    {"a key of the next section", "[StartUp]\r\n[Other]\r\nAction=3\r\n", "Action", std::nullopt},
    {"a header without ] is no header", "[StartUp\r\nAction=3\r\n", "Action", std::nullopt},
    {"duplicate keys: the first counts", "[StartUp]\r\nAction=3\r\nAction=4\r\n", "Action", "3"},
    {"duplicate sections: the first counts", "[StartUp]\r\nAction=1\r\n[startup]\r\nAction=4\r\n", "Action", "1"},
    {"duplicate sections: only the first is searched", "[StartUp]\r\nTheme=1\r\n[StartUp]\r\nAction=4\r\n", "Action",
     std::nullopt},
    {"a key line without = reads as missing", "[StartUp]\r\nAction\r\n", "Action", std::nullopt},
    {"and hides a later line of the key", "[StartUp]\r\nAction\r\nAction=3\r\n", "Action", std::nullopt},
    {"empty value", "[StartUp]\r\nDecoy=\r\n", "Decoy", ""},
    {"= inside the value", "[StartUp]\r\nDecoy=a=b\r\n", "Decoy", "a=b"},
    {"double quotes removed", "[StartUp]\r\nDecoy=\"C:\\My Files\\x.txt\"\r\n", "Decoy", "C:\\My Files\\x.txt"},
    {"single quotes removed", "[StartUp]\r\nDecoy='x y'\r\n", "Decoy", "x y"},
    {"quotes found after trimming", "[StartUp]\r\nDecoy=  \"x\"  \r\n", "Decoy", "x"},
    {"blanks inside quotes kept", "[StartUp]\r\nDecoy=\" x \"\r\n", "Decoy", " x "},
    {"mismatched quotes kept", "[StartUp]\r\nDecoy=\"x'\r\n", "Decoy", "\"x'"},
    {"a lone quote kept", "[StartUp]\r\nDecoy=\"\r\n", "Decoy", "\""},
    {"empty quotes", "[StartUp]\r\nDecoy=\"\"\r\n", "Decoy", ""},
    {"only one pair removed", "[StartUp]\r\nDecoy=\"\"x\"\"\r\n", "Decoy", "\"x\""},
    {"a quote only at one end kept", "[StartUp]\r\nDecoy=x\"\r\n", "Decoy", "x\""},
    {"non-ASCII text", "[StartUp]\r\nDecoy=C:\\D\xC3\xA9\x63oy\\\xE2\x82\xAC.txt\r\n", "Decoy",
     "C:\\D\xC3\xA9\x63oy\\\xE2\x82\xAC.txt"},
};

TEST(ProfileText, ReadsValuesAsTheProfileFunctionsDo) {
    for (const ReadCase& c : kReadCases) EXPECT_EQ(read(c.text, "StartUp", c.key), c.expected) << c.what;
}

TEST(ProfileText, ReadsAtMost2047Utf16Units) {
    const std::string longValue(3000, 'a');
    EXPECT_EQ(read("[S]\r\nK=" + longValue, "S", "K"), std::string(2047, 'a'));
    // Quotes go first: a quoted value of exactly 2047 characters comes back whole.
    EXPECT_EQ(read("[S]\r\nK=\"" + std::string(2047, 'b') + "\"", "S", "K"), std::string(2047, 'b'));
    // A character outside the BMP takes two units and is never split.
    const std::string emoji = "\xF0\x9F\x98\x80";
    EXPECT_EQ(read("[S]\r\nK=" + std::string(2046, 'c') + emoji, "S", "K"), std::string(2046, 'c'));
    EXPECT_EQ(read("[S]\r\nK=" + std::string(2045, 'c') + emoji + "d", "S", "K"), std::string(2045, 'c') + emoji);
    // Two-byte UTF-8 characters are one unit each.
    std::string accents;
    for (int i = 0; i < 2100; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(read("[S]\r\nK=" + accents, "S", "K")->size(), 2047u * 2);
}

struct WriteCase {
    const char* what;
    std::string_view before;
    const char* key;
    const char* value;
    std::string_view after;
};

const WriteCase kWriteCases[] = {
    {"a new file gets the section header", "", "AutoStart", "1", "[StartUp]\r\nAutoStart=1\r\n"},
    {"replaced in place, keeping the line's spelling and blanks", "[StartUp]\r\nA=1\r\n  action = 3  \r\nB=2\r\n",
     "Action", "4", "[StartUp]\r\nA=1\r\n  action = 4\r\nB=2\r\n"},
    {"appended after the section's last line, before the blank line", "[StartUp]\r\nA=1\r\n\r\n[Other]\r\nX=1\r\n", "B",
     "2", "[StartUp]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nX=1\r\n"},
    {"appended before trailing blank lines", "[StartUp]\r\nA=1\r\n\r\n\r\n", "B", "2",
     "[StartUp]\r\nA=1\r\nB=2\r\n\r\n\r\n"},
    {"appended right after the header of an empty section", "[StartUp]\r\n\r\n[Other]\r\n", "B", "2",
     "[StartUp]\r\nB=2\r\n\r\n[Other]\r\n"},
    {"appended after a last line without line break", "[StartUp]\r\nA=1", "B", "2", "[StartUp]\r\nA=1\r\nB=2\r\n"},
    {"appended after a comment that ends the section", "[StartUp]\r\nA=1\r\n; end\r\n", "B", "2",
     "[StartUp]\r\nA=1\r\n; end\r\nB=2\r\n"},
    {"a missing section is added at the end", "[Other]\r\nX=1", "B", "2", "[Other]\r\nX=1\r\n[StartUp]\r\nB=2\r\n"},
    {"a file of blank lines", "\r\n\r\n", "B", "2", "\r\n\r\n[StartUp]\r\nB=2\r\n"},
    {"LF files stay LF", "[StartUp]\nA=1\n", "B", "2", "[StartUp]\nA=1\nB=2\n"},
    {"a header in capitals is the section", "[STARTUP]\r\nA=1\r\n", "B", "2", "[STARTUP]\r\nA=1\r\nB=2\r\n"},
    {"a key line without = gets its value", "[StartUp]\r\n  Action  \r\n", "Action", "4",
     "[StartUp]\r\n  Action=4\r\n"},
    {"the first of duplicate keys is replaced", "[StartUp]\r\nA=1\r\nA=2\r\n", "A", "3", "[StartUp]\r\nA=3\r\nA=2\r\n"},
    {"the first of duplicate sections gets the key", "[StartUp]\r\nA=1\r\n[StartUp]\r\nB=1\r\n", "B", "2",
     "[StartUp]\r\nA=1\r\nB=2\r\n[StartUp]\r\nB=1\r\n"},
    {"text before the first section stays apart", "; made by hand\r\nA=9\r\n[StartUp]\r\n", "A", "1",
     "; made by hand\r\nA=9\r\n[StartUp]\r\nA=1\r\n"},
    {"a comment is not the key", "[StartUp]\r\n;A=1\r\n", "A", "2", "[StartUp]\r\n;A=1\r\nA=2\r\n"},
    {"an empty value", "[StartUp]\r\nDecoy=x\r\n", "Decoy", "", "[StartUp]\r\nDecoy=\r\n"},
    {"a value's own leading blanks take the place of the line's (writing it twice adds none)",
     "[StartUp]\r\nbtnPanic =  x\r\n", "btnPanic", "  Hi", "[StartUp]\r\nbtnPanic =  Hi\r\n"},
    {"line breaks in a value cannot add lines", "", "btnPanic", "a\r\nAction=4",
     "[StartUp]\r\nbtnPanic=a  Action=4\r\n"},
    {"the other lines keep their bytes", "[StartUp]\r\nX = \"q\" \r\n\tA=1\n;c\r\n", "A", "2",
     "[StartUp]\r\nX = \"q\" \r\n\tA=2\n;c\r\n"},
};

TEST(ProfileText, WritesInPlaceOrAppendsToTheSection) {
    for (const WriteCase& c : kWriteCases) EXPECT_EQ(write(c.before, "StartUp", c.key, c.value), c.after) << c.what;
}

TEST(ProfileText, RefusesNamesTheFileCannotHold) {
    for (const char* key : {"", " A", "A ", "A=B", "[A", ";A", "A\nB"})
        EXPECT_THROW(write("", "StartUp", key, "1"), std::invalid_argument) << key;
    for (const char* section : {"", " S", "S\r"})
        EXPECT_THROW(write("", section, "A", "1"), std::invalid_argument) << section;
}

// Random files from tricky lines: a write must read back, and must not change what any other key
// of any section reads.
TEST(ProfileText, AWriteChangesOnlyItsOwnKey) {
    const std::vector<std::string> pieces = {
        "[StartUp]", "[startup]", "[Other]", " [ STARTUP ] ", "[StartUp", "A=1", "a = 2 ",   "B",
        "B=\"q\"",   "; A=3",     "",        "   ",           "Action=x", "=5",  "ACTION=7", "[]"};
    const std::vector<std::string> endings = {"\r\n", "\n", "\r", ""};
    const std::vector<std::string> sections = {"StartUp", "Other"};
    const std::vector<std::string> keys = {"A", "B", "Action", "New"};
    const std::vector<std::string> values = {"0", "", "C:\\x y", "\"quoted\"", "[Other]"};
    std::mt19937 random(20240517);
    auto pick = [&](const auto& from) -> const auto& { return from[random() % from.size()]; };

    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = random() % 8; n > 0; --n) text += pick(pieces) + pick(endings);
        const std::string& section = pick(sections);
        const std::string& key = pick(keys);
        const std::string& value = pick(values);

        const std::string after = write(text, section, key, value);
        std::string expected = value;
        if (expected.size() >= 2 && expected.front() == '"' && expected.back() == '"')
            expected = expected.substr(1, expected.size() - 2);
        ASSERT_EQ(read(after, section, key), expected) << "text:\n" << text << "\nafter:\n" << after;
        for (const std::string& s : sections) {
            for (const std::string& k : keys) {
                if (asciiNamesEqual(s, section) && asciiNamesEqual(k, key)) continue;
                ASSERT_EQ(read(after, s, k), read(text, s, k)) << s << "/" << k << " text:\n"
                                                               << text << "\nafter:\n"
                                                               << after;
            }
        }
    }
}

}  // namespace
}  // namespace umbrix::settings
