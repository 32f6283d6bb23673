#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {
namespace {

TEST(ClockPortContract, TextsShowTheDateAndTimeTheyAreGiven) {
    auto env = makeEnvironment();
    platform::ClockPort& clock = env->platform().clock;
    const platform::LocalTime now = clock.localTime();
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);

    // The formats are the user's; the numbers are ours.
    const platform::LocalTime evening{2031, 12, 24, 17, 45, 59, 0};
    const std::string date = clock.shortDateText(evening);
    const std::string time = clock.longTimeText(evening);
    EXPECT_NE(date.find("24"), std::string::npos) << date;
    EXPECT_NE(date.find("12"), std::string::npos) << date;
    EXPECT_NE(time.find("45"), std::string::npos) << time;
    EXPECT_NE(time.find("59"), std::string::npos) << time;
}

}  // namespace
}  // namespace umbrix::contract
