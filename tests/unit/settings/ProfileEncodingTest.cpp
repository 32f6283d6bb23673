#include <gtest/gtest.h>

#include "sim/SimText.hpp"
#include "settings/ProfileEncoding.hpp"

namespace umbrix::settings {
namespace {

const std::string kText = "[StartUp]\r\nDecoy=C:\\D\xC3\xA9\x63oy \xE4\xB8\xAD \xF0\x9F\x98\x80.txt\r\n";  // é, 中, 😀

TEST(ProfileEncoding, UnicodeFilesKeepTheirEncodingAndEveryCharacter) {
    sim::SimText text;
    for (ProfileEncoding encoding :
         {ProfileEncoding::Utf8, ProfileEncoding::Utf16LittleEndian, ProfileEncoding::Utf16BigEndian}) {
        const std::string bytes = encodeProfileFile(kText, encoding, text);
        ProfileFileText decoded = decodeProfileFile(bytes, text);
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.text, kText);
    }
    EXPECT_EQ(encodeProfileFile("[A]", ProfileEncoding::Utf16LittleEndian, text), std::string("\xFF\xFE[\0A\0]\0", 8));
    EXPECT_EQ(encodeProfileFile("[A]", ProfileEncoding::Utf16BigEndian, text), std::string("\xFE\xFF\0[\0A\0]", 8));
    EXPECT_EQ(encodeProfileFile("[A]", ProfileEncoding::Utf8, text), "\xEF\xBB\xBF[A]");
}

TEST(ProfileEncoding, OtherFilesAreInTheCodePage) {
    sim::SimText text;
    ProfileFileText decoded = decodeProfileFile("Decoy=D\xE9\x63oy", text);
    EXPECT_EQ(decoded.encoding, ProfileEncoding::CodePage);
    EXPECT_EQ(decoded.text, "Decoy=D\xC3\xA9\x63oy");
    EXPECT_EQ(encodeProfileFile(kText, ProfileEncoding::CodePage, text),
              "[StartUp]\r\nDecoy=C:\\D\xE9\x63oy ? ?.txt\r\n");
    EXPECT_EQ(decodeProfileFile("", text).encoding, ProfileEncoding::CodePage);
}

TEST(ProfileEncoding, BrokenUtf16IsReadWithReplacementCharacters) {
    sim::SimText text;
    // A lone high surrogate, then an odd byte at the end.
    ProfileFileText decoded = decodeProfileFile(std::string("\xFF\xFE"
                                                            "A\0\x00\xD8"
                                                            "B\0x",
                                                            9),
                                                text);
    EXPECT_EQ(decoded.text,
              "A\xEF\xBF\xBD"
              "B");
}

}  // namespace
}  // namespace umbrix::settings
