#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {
namespace {

// The primary monitor's corner is (0, 0) and lies on the virtual desktop, so its top-left edge is
// never right of or below it; with one monitor it is exactly there.
TEST(DesktopOriginContract, TheVirtualDesktopStartsAtOrBeforeThePrimaryMonitor) {
    auto env = makeEnvironment();
    platform::ScreenPoint origin = env->platform().system.virtualDesktopOrigin();
    EXPECT_LE(origin.x, 0);
    EXPECT_LE(origin.y, 0);
    if (!env->isRealWindows()) {
        EXPECT_EQ(origin, (platform::ScreenPoint{0, 0}));
    }
}

}  // namespace
}  // namespace umbrix::contract
