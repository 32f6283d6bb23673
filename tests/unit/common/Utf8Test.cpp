#include <gtest/gtest.h>

#include "text/Utf8.hpp"

namespace umbrix {
namespace {

constexpr char32_t R = U'\uFFFD';

TEST(Utf8, RoundTripsEveryEncodedLengthUpToItsLimits) {
    // The first and last character of each length, and those either side of the surrogates.
    const std::u32string text =
        U"A\u007F\u0080\u00E9\u07FF\u0800\u20AC\uD7FF\uE000\uFFFD\uFFFF\U00010000"
        U"\U0001F600\U0010FFFF";
    const std::string bytes = utf8::encode(text);
    EXPECT_EQ(bytes,
              "A\x7F\xC2\x80\xC3\xA9\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBD\xEF\xBF\xBF"
              "\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(utf8::decode(bytes), text);
}

// One U+FFFD for each maximal subpart: the longest start of a well-formed sequence, or a single
// byte where none starts.
TEST(Utf8, EveryIllFormedSequenceDecodesAsReplacementCharacters) {
    struct Case {
        const char* what;
        std::string bytes;
        std::u32string expected;
    } cases[] = {
        {"overlong '?'", "\xC0\xBF", {R, R}},
        {"overlong '/' in three bytes", "\xE0\x80\xAF", {R, R, R}},
        {"overlong CR LF",
         "a\xC0\x8D\xC0\x8A"
         "b",
         {U'a', R, R, R, R, U'b'}},
        {"overlong with C1", "\xC1\xBF", {R, R}},
        {"overlong U+07FF in three bytes", "\xE0\x9F\xBF", {R, R, R}},
        {"overlong U+FFFF in four bytes", "\xF0\x8F\xBF\xBF", {R, R, R, R}},
        {"surrogate U+D800", "\xED\xA0\x80", {R, R, R}},
        {"surrogate U+DFFF", "\xED\xBF\xBF", {R, R, R}},
        {"surrogate pair written as two characters", "\xED\xA0\xBD\xED\xB8\x80", {R, R, R, R, R, R}},
        {"U+110000", "\xF4\x90\x80\x80", {R, R, R, R}},
        {"lead byte F5", "\xF5\x80\x80\x80", {R, R, R, R}},
        {"lead byte F7, the largest the old form allowed", "\xF7\xBF\xBF\xBF", {R, R, R, R}},
        {"bytes FE and FF", "\xFE\xFF", {R, R}},
        {"stray continuation bytes",
         "\x80"
         "a\xBF",
         {R, U'a', R}},
        {"truncated at the end", "a\xC3", {U'a', R}},
        {"truncated four-byte character at the end", "\xF0\x9F\x98", {R}},
        {"truncated, then ASCII",
         "\xE2\x82"
         "A",
         {R, U'A'}},
        {"broken continuation read again", "\xE2\x28\xA1", {R, U'(', R}},
        {"truncated, then a whole character", "\xF0\x9F\xC3\xA9", {R, U'\u00E9'}},
        {"Unicode's own example (Table 3-8)",
         "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
         {U'a', R, R, R, U'b', R, U'c', R, R, U'd'}},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8::decode(c.bytes), c.expected) << c.what;
}

TEST(Utf8, CodePointsThatAreNotCharactersEncodeAsReplacementCharacter) {
    EXPECT_EQ(utf8::encode(std::u32string{U'a', 0xD800, 0xDFFF, 0x110000, 0xFFFFFFFF, U'b'}),
              "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace umbrix
