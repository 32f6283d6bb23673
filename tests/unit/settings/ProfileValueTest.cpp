#include <gtest/gtest.h>

#include <climits>

#include "settings/ProfileValue.hpp"

namespace umbrix::settings {
namespace {

TEST(ProfileValue, ParsesDecimalAndHexadecimalSigned32BitIntegers) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"+7", 7},
        {"-7", -7},
        {"0012", 12},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", std::nullopt},  // one past the range
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"0x0", 0},
        {"0x00000000001", 1},  // leading zeros are no overflow
        {"$7FFFFFFF", INT_MAX},
        {"0x80000000", INT_MIN},  // a 32-bit pattern
        {"$FFFFFFFF", -1},
        {"0x100000000", std::nullopt},  // more than 32 bits
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-0x5", std::nullopt},
        {"0x5g", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"yes", std::nullopt},
        {"Glow", std::nullopt},
        {"1.5", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"\xEF\xBC\x91", std::nullopt},  // a full-width digit one
    };
    for (const auto& c : cases) EXPECT_EQ(parseProfileInteger(c.text), c.value) << c.text;
}

TEST(ProfileValue, DecodesWithTheKeysDefault) {
    EXPECT_EQ(decodeProfileInteger(std::nullopt, 3), 3);
    EXPECT_EQ(decodeProfileInteger("Glow", 0), 0);
    EXPECT_EQ(decodeProfileInteger("25", 1), 25);

    EXPECT_TRUE(decodeProfileBool(std::nullopt, true));
    EXPECT_FALSE(decodeProfileBool(std::nullopt, false));
    EXPECT_TRUE(decodeProfileBool("yes", true));  // not an integer: the default
    EXPECT_FALSE(decodeProfileBool("yes", false));
    EXPECT_FALSE(decodeProfileBool("0x0", true));
    EXPECT_FALSE(decodeProfileBool("0", true));
    EXPECT_TRUE(decodeProfileBool("1", false));
    EXPECT_TRUE(decodeProfileBool("-1", false));  // any non-zero integer
    EXPECT_TRUE(decodeProfileBool("$10", false));
    EXPECT_TRUE(decodeProfileBool("", true));
}

TEST(ProfileValue, EncodesDecimalAndOneOrZero) {
    EXPECT_EQ(encodeProfileInteger(INT_MIN), "-2147483648");
    EXPECT_EQ(encodeProfileInteger(369), "369");
    EXPECT_EQ(encodeProfileBool(true), "1");
    EXPECT_EQ(encodeProfileBool(false), "0");
    for (std::int32_t v : {INT_MIN, -1, 0, 1, INT_MAX}) EXPECT_EQ(parseProfileInteger(encodeProfileInteger(v)), v);
}

}  // namespace
}  // namespace umbrix::settings
