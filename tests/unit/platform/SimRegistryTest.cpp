#include <gtest/gtest.h>

#include "sim/SimRegistry.hpp"

namespace umbrix::sim {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

TEST(SimRegistry, AStandardUserCannotWriteTheLocalMachineHive) {
    SimRegistry registry;
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(registry.writeValue(RegistryRoot::LocalMachine, run, "Umbrix", RegistryValue::ofString("x")).error,
              platform::errors::kAccessDenied);
    EXPECT_FALSE(registry.keyExists(RegistryRoot::LocalMachine, run));
    EXPECT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, run, "Umbrix", RegistryValue::ofString("x")));

    registry.administrator = true;
    EXPECT_TRUE(registry.writeValue(RegistryRoot::LocalMachine, run, "Umbrix", RegistryValue::ofString("x")));
    registry.administrator = false;
    EXPECT_EQ(registry.deleteValue(RegistryRoot::LocalMachine, run, "Umbrix").error, platform::errors::kAccessDenied);
    EXPECT_TRUE(registry.readValue(RegistryRoot::LocalMachine, run, "Umbrix"));
}

TEST(SimRegistry, ALockedKeyRefusesWritesBelowItButStillReads) {
    SimRegistry registry;
    ASSERT_TRUE(
        registry.writeValue(RegistryRoot::CurrentUser, "Software\\Policies\\System", "V", RegistryValue::ofDWord(1)));
    registry.lockKey(RegistryRoot::CurrentUser, "Software\\Policies");
    EXPECT_FALSE(
        registry.writeValue(RegistryRoot::CurrentUser, "Software\\Policies\\System", "V", RegistryValue::ofDWord(0)));
    EXPECT_FALSE(registry.createKey(RegistryRoot::CurrentUser, "Software\\Policies\\Explorer"));
    EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, "Software\\Policies\\System", "V"),
              RegistryValue::ofDWord(1));
}

}  // namespace
}  // namespace umbrix::sim
