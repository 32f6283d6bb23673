#include <gtest/gtest.h>

#include "engine/HandleText.hpp"

namespace umbrix::engine {
namespace {

TEST(HandleText, WritesUnsignedDecimalAndReadsOnlyThat) {
    EXPECT_EQ(handleText(platform::WindowId{65554}), "65554");
    EXPECT_EQ(handleText(platform::WindowId{0xFFFFFFFFull}), "4294967295");
    EXPECT_EQ(windowFromHandleText("65554").value, 65554u);
    EXPECT_EQ(windowFromHandleText("4294967295").value, 0xFFFFFFFFull);

    for (const char* notAHandle : {"", "-5", "12a", " 12", "0x10", "99999999999999999999999"})
        EXPECT_EQ(windowFromHandleText(notAHandle).value, 0u) << '"' << notAHandle << '"';
}

}  // namespace
}  // namespace umbrix::engine
