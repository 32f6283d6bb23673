#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/SystemLockdown.hpp"

namespace umbrix::contract {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

const std::string kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
const std::string kExplorerPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The policy forms in the real registry. Only where the user's policy may be changed.
class SystemLockdownContract : public ::testing::Test {
protected:
    void SetUp() override {
        if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would change this user's Task Manager policy";
    }
    void TearDown() override {
        (void)registry.deleteValue(RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr");
        (void)registry.deleteTree(RegistryRoot::CurrentUser, "Software\\Umbrix");
    }
    std::optional<RegistryValue> policy() {
        return registry.readValue(RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr");
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::RegistryPort& registry = env->platform().registry;
    umbrix::extras::SystemLockdown lockdown{registry};
};

TEST_F(SystemLockdownContract, TheAdministratorCheckPassesHereAndLeavesNothingInTheRunKey) {
    EXPECT_TRUE(lockdown.hasAdministratorRights());
    EXPECT_TRUE(lockdown.hasAdministratorRights());
    EXPECT_EQ(registry.readValue(RegistryRoot::LocalMachine, kRun, "AdministratorRightsCheck"), std::nullopt);
}

TEST_F(SystemLockdownContract, TheValueTakesTheFormOfWhicheverOptionWroteLast) {
    EXPECT_EQ(lockdown.setTaskManagerPolicy(true), 0);
    EXPECT_EQ(policy(), RegistryValue::ofString("1"));
    lockdown.setCtrlAltDelPolicy(false);
    EXPECT_EQ(policy(), RegistryValue::ofDWord(1));
    lockdown.setCtrlAltDelPolicy(true);
    EXPECT_EQ(policy(), RegistryValue::ofDWord(0));
    EXPECT_TRUE(registry.keyExists(RegistryRoot::CurrentUser, kExplorerPolicies));
    EXPECT_EQ(lockdown.setTaskManagerPolicy(false), 0);
    EXPECT_EQ(policy(), std::nullopt);
}

TEST_F(SystemLockdownContract, TheNextStartLiftsWhatACrashedRunLeft) {
    lockdown.applyTaskManagerOption(true);
    ASSERT_EQ(policy(), RegistryValue::ofString("1"));
    EXPECT_TRUE(umbrix::extras::SystemLockdown(registry).liftLeftoverRestriction());
    EXPECT_EQ(policy(), std::nullopt);

    lockdown.setCtrlAltDelPolicy(false);
    EXPECT_TRUE(umbrix::extras::SystemLockdown(registry).liftLeftoverRestriction());
    EXPECT_EQ(policy(), RegistryValue::ofDWord(0));
}

}  // namespace
}  // namespace umbrix::contract
