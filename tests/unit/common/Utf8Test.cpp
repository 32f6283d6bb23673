#include <gtest/gtest.h>

#include "common/Utf8.hpp"

namespace umbrix {
namespace {

TEST(Utf8, RoundTripsEveryEncodedLength) {
    const std::u32string text = U"A\u00E9\u20AC\U0001F600z";
    std::string bytes = utf8::encode(text);
    EXPECT_EQ(bytes, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(utf8::decode(bytes), text);
}

TEST(Utf8, InvalidAndTruncatedBytesDecodeAsReplacement) {
    struct Case {
        std::string bytes;
        std::u32string expected;
    } cases[] = {
        {"\xFF"
         "a",
         U"\uFFFDa"},  // not a lead byte
        {"a\xC3", U"a\uFFFD"},  // truncated at the end
        {"\xE2\x28\xA1", U"\uFFFD(\uFFFD"},  // broken continuation
    };
    for (const auto& c : cases) EXPECT_EQ(utf8::decode(c.bytes), c.expected);
}

}  // namespace
}  // namespace umbrix
