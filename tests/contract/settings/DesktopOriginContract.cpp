#include <gtest/gtest.h>

#include <vector>

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

// Exactly one monitor is the primary one, with (0, 0) as its top-left corner; every monitor lies on
// the virtual desktop, and its work area within it.
TEST(DesktopOriginContract, TheMonitorsHaveOnePrimaryAtTheOriginAndWorkAreasWithinThem) {
    auto env = makeEnvironment();
    platform::SystemPort& system = env->platform().system;
    const platform::ScreenPoint origin = system.virtualDesktopOrigin();
    const std::vector<platform::Monitor> monitors = system.monitors();
    ASSERT_FALSE(monitors.empty());
    int primaries = 0;
    for (const platform::Monitor& monitor : monitors) {
        EXPECT_LT(monitor.area.left, monitor.area.right);
        EXPECT_LT(monitor.area.top, monitor.area.bottom);
        EXPECT_GE(monitor.area.left, origin.x);
        EXPECT_GE(monitor.area.top, origin.y);
        EXPECT_GE(monitor.workArea.left, monitor.area.left);
        EXPECT_GE(monitor.workArea.top, monitor.area.top);
        EXPECT_LE(monitor.workArea.right, monitor.area.right);
        EXPECT_LE(monitor.workArea.bottom, monitor.area.bottom);
        if (!monitor.primary) continue;
        ++primaries;
        EXPECT_EQ(monitor.area.left, 0);
        EXPECT_EQ(monitor.area.top, 0);
    }
    EXPECT_EQ(primaries, 1);
}

}  // namespace
}  // namespace umbrix::contract
