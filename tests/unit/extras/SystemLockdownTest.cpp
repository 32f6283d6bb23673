#include <gtest/gtest.h>

#include "ExtrasMachine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/ExtrasError.hpp"
#include "extras/SystemLockdown.hpp"

namespace umbrix::extras::testing {
namespace {

const RegistryValue kTaskManagerForm = RegistryValue::ofString("1");
const RegistryValue kRestricted = RegistryValue::ofDWord(1);
const RegistryValue kLifted = RegistryValue::ofDWord(0);

class SystemLockdownTest : public ::testing::Test {
protected:
    // A later start of the program, on the same registry.
    SystemLockdown nextStart() { return SystemLockdown(m.sim.registry); }

    ExtrasMachine m;
    SystemLockdown lockdown{m.sim.registry};
};

TEST_F(SystemLockdownTest, TheAdministratorCheckAnswersTheSameTwiceAndLeavesNoTrace) {
    for (bool administrator : {true, false}) {
        SCOPED_TRACE(administrator ? "administrator" : "standard user");
        m.sim.registry.administrator = administrator;
        EXPECT_EQ(lockdown.hasAdministratorRights(), administrator);
        EXPECT_EQ(lockdown.hasAdministratorRights(), administrator);
        EXPECT_EQ(m.sim.registry.readValue(RegistryRoot::LocalMachine, kRun, "AdministratorRightsCheck"), std::nullopt);
    }
    // An administrator whose Run key is locked cannot be told from a standard user.
    m.sim.registry.administrator = true;
    m.sim.registry.lockKey(RegistryRoot::LocalMachine, kRun);
    EXPECT_FALSE(lockdown.hasAdministratorRights());
}

TEST_F(SystemLockdownTest, TheTwoOptionsWriteOneValueAndTheLastWriterDecides) {
    EXPECT_EQ(lockdown.setTaskManagerPolicy(true), 0);
    EXPECT_EQ(m.policyValue(), kTaskManagerForm);
    lockdown.setCtrlAltDelPolicy(false);
    EXPECT_EQ(m.policyValue(), kRestricted);
    // A window restored with both options checked allows the Task Manager again.
    lockdown.setCtrlAltDelPolicy(true);
    EXPECT_EQ(m.policyValue(), kLifted);
    // Deleting lifts either form.
    lockdown.setCtrlAltDelPolicy(false);
    EXPECT_EQ(lockdown.setTaskManagerPolicy(false), 0);
    EXPECT_EQ(m.policyValue(), std::nullopt);
    EXPECT_EQ(lockdown.setTaskManagerPolicy(false), 0);  // nothing left to delete is fine

    EXPECT_TRUE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kExplorerPolicies));
    EXPECT_TRUE(m.sim.registry.valueNames(RegistryRoot::CurrentUser, kExplorerPolicies).empty());
}

TEST_F(SystemLockdownTest, TheTaskManagerOptionFollowsItsBoxForAnAdministratorOnly) {
    // An administrator: set before the action, cleared by the next action with the box clear,
    // and a normal exit ends with the value as REG_DWORD 0.
    m.sim.registry.administrator = true;
    lockdown.applyTaskManagerOption(true);
    EXPECT_EQ(m.policyValue(), kTaskManagerForm);
    lockdown.applyTaskManagerOption(false);
    EXPECT_EQ(m.policyValue(), std::nullopt);
    lockdown.applyTaskManagerOption(true);
    lockdown.liftAtExit();
    EXPECT_EQ(m.policyValue(), kLifted);

    // A standard user: neither the action nor the exit touches the value.
    ExtrasMachine standard;
    SystemLockdown user{standard.sim.registry};
    user.applyTaskManagerOption(true);
    user.liftAtExit();
    EXPECT_EQ(standard.policyValue(), std::nullopt);
    EXPECT_FALSE(standard.sim.registry.keyExists(RegistryRoot::CurrentUser, kSystemPolicies));
}

TEST_F(SystemLockdownTest, ARefusedWriteOfTheValueIsAnErrorAKeyThatCannotBeOpenedIsNot) {
    m.sim.registry.lockKey(RegistryRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies");
    EXPECT_NO_THROW(lockdown.setCtrlAltDelPolicy(false));
    EXPECT_EQ(lockdown.setTaskManagerPolicy(true), 1);
    EXPECT_FALSE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kSystemPolicies));

    ExtrasMachine other;
    SystemLockdown locked{other.sim.registry};
    ASSERT_TRUE(other.sim.registry.createKey(RegistryRoot::CurrentUser, kSystemPolicies));
    other.sim.registry.lockKey(RegistryRoot::CurrentUser, kSystemPolicies);
    try {
        locked.setCtrlAltDelPolicy(false);
        FAIL() << "a refused write must reach the caller";
    } catch (const ExtrasError& error) {
        EXPECT_EQ(error.code(), platform::errors::kAccessDenied);
    }
    EXPECT_EQ(locked.setTaskManagerPolicy(false), 1);  // reported, never thrown
    EXPECT_EQ(other.policyValue(), std::nullopt);
    // Nothing of the program's is in place, so a later start has nothing to lift.
    EXPECT_EQ(other.sim.registry.readValue(RegistryRoot::CurrentUser, "Software\\Umbrix", "TaskManagerRestricted"),
              std::nullopt);
}

// What the next start does with the value an earlier run left behind.
TEST_F(SystemLockdownTest, TheNextStartLiftsOnlyARestrictionThisProgramLeftBehind) {
    struct Case {
        const char* name;
        void (*earlierRun)(ExtrasMachine&);
        std::optional<RegistryValue> afterNextStart;
        bool lifted;
    };
    const Case cases[] = {
        {"Task Manager option set, then a crash",
         [](ExtrasMachine& machine) {
             machine.sim.registry.administrator = true;
             SystemLockdown(machine.sim.registry).applyTaskManagerOption(true);
         },
         std::nullopt, true},
        {"Ctrl+Alt+Del option applied while hidden, then a crash",
         [](ExtrasMachine& machine) { SystemLockdown(machine.sim.registry).setCtrlAltDelPolicy(false); }, kLifted,
         true},
        {"restriction lifted by the restore before the crash",
         [](ExtrasMachine& machine) {
             SystemLockdown run(machine.sim.registry);
             run.setCtrlAltDelPolicy(false);
             run.setCtrlAltDelPolicy(true);
         },
         kLifted, false},
        {"an administrator's own policy",
         [](ExtrasMachine& machine) {
             ASSERT_TRUE(machine.sim.registry.writeValue(RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr",
                                                         kRestricted));
         },
         kRestricted, false},
        {"the program's restriction replaced by someone else since",
         [](ExtrasMachine& machine) {
             SystemLockdown(machine.sim.registry).setCtrlAltDelPolicy(false);
             ASSERT_TRUE(machine.sim.registry.writeValue(RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr",
                                                         RegistryValue::ofDWord(2)));
         },
         RegistryValue::ofDWord(2), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExtrasMachine machine;
        c.earlierRun(machine);
        machine.sim.registry.administrator = false;

        SystemLockdown start(machine.sim.registry);
        EXPECT_EQ(start.liftLeftoverRestriction(), c.lifted);
        EXPECT_EQ(machine.policyValue(), c.afterNextStart);
        // Whatever happened, a later start has nothing left to do.
        EXPECT_FALSE(start.liftLeftoverRestriction());
        EXPECT_EQ(machine.policyValue(), c.afterNextStart);
    }
}

TEST_F(SystemLockdownTest, AnExitWithoutAdministratorRightsStillLiftsTheProgramsOwnRestriction) {
    // The extras run again after the unhide, so the restriction is in place at exit.
    ActivationExtras extras{m.platform()};
    settings::Options options;
    options.muteAudio = false;
    options.disableCtrlAltDel = true;
    extras.runExtras(options);
    ASSERT_EQ(m.policyValue(), kRestricted);

    lockdown.liftAtExit();
    EXPECT_EQ(m.policyValue(), kLifted);
    EXPECT_FALSE(nextStart().liftLeftoverRestriction());
}

TEST_F(SystemLockdownTest, ARestrictionTheNextStartCannotLiftStaysMarkedForTheStartAfter) {
    lockdown.setCtrlAltDelPolicy(false);
    m.sim.registry.lockKey(RegistryRoot::CurrentUser, kSystemPolicies);
    EXPECT_FALSE(nextStart().liftLeftoverRestriction());
    EXPECT_EQ(m.policyValue(), kRestricted);
    EXPECT_EQ(m.sim.registry.readValue(RegistryRoot::CurrentUser, "Software\\Umbrix", "TaskManagerRestricted"),
              RegistryValue::ofDWord(1));
}

}  // namespace
}  // namespace umbrix::extras::testing
