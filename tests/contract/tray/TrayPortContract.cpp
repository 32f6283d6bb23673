#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "platform/TrayPort.hpp"

namespace umbrix::contract {
namespace {

using platform::TrayIconData;

class TrayPortContract : public ::testing::Test {
protected:
    ~TrayPortContract() override { (void)tray.deleteIcon(icon.id); }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::TrayPort& tray = env->platform().tray;
    TrayIconData icon{7, 0x0401, "", {}};
};

TEST_F(TrayPortContract, AnIconIsAddedChangedAndRemovedOnce) {
    ASSERT_TRUE(tray.addIcon(icon));
    EXPECT_FALSE(tray.addIcon(icon));  // it is there already
    icon.tip = "Umbrix";
    icon.image = {"%SystemRoot%\\system32\\shell32.dll", 3};
    EXPECT_TRUE(tray.modifyIcon(icon));
    EXPECT_TRUE(tray.deleteIcon(icon.id));
    EXPECT_FALSE(tray.deleteIcon(icon.id));
    EXPECT_FALSE(tray.modifyIcon(icon));
    EXPECT_TRUE(tray.addIcon(icon));  // and can come back, as after stealth mode
}

TEST_F(TrayPortContract, ARefusalIsNeverATimeOut) {
    // The program retries time-outs. A modify that is refused, not timed out, tells the retries
    // that the icon is gone.
    ASSERT_TRUE(tray.addIcon(icon));
    platform::IoResult twice = tray.addIcon(icon);
    EXPECT_FALSE(twice);
    EXPECT_NE(twice.error, platform::errors::kTimeout);
    ASSERT_TRUE(tray.deleteIcon(icon.id));
    for (platform::IoResult refused : {tray.deleteIcon(icon.id), tray.modifyIcon(icon)}) {
        EXPECT_FALSE(refused);
        EXPECT_NE(refused.error, platform::errors::kTimeout);
    }
}

TEST_F(TrayPortContract, TheRetryTimerTicksFromTheMessageLoopUntilStopped) {
    struct Ticks final : platform::TrayEventSink {
        void onTrayMouseMessage(std::uint32_t, std::uint32_t) override {}
        void onTaskbarCreated() override {}
        void onTrayRetryTimer() override { ++count; }
        int count = 0;
    } ticks;
    tray.setEventSink(&ticks);
    tray.startRetryTimer(100);
    EXPECT_EQ(ticks.count, 0) << "nothing happens before the loop runs";
    env->runMessagesFor(450);
    EXPECT_GE(ticks.count, 1);
    tray.stopRetryTimer();
    const int stopped = ticks.count;
    env->runMessagesFor(300);
    EXPECT_EQ(ticks.count, stopped);
    tray.setEventSink(nullptr);
}

TEST_F(TrayPortContract, AnIconFromAFileThatHasNoneStillShows) {
    icon.image = {"C:\\no such folder\\nothing.ico", 0};
    EXPECT_TRUE(tray.addIcon(icon));
}

}  // namespace
}  // namespace umbrix::contract
