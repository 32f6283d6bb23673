#include <gtest/gtest.h>

#include "AppWorld.hpp"

namespace umbrix::contract {
namespace {

using platform::InstanceClaim;

// Each case its own name, so that cases never see each other's mutexes.
std::string nameOfThisTest() {
    return std::string("UmbrixContract.") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

TEST(InstancePortContract, TheNameMarksTheRunningInstanceUntilItsProcessEnds) {
    auto world = makeAppWorld();
    const std::string name = nameOfThisTest();
    auto first = world->startProcess();
    ASSERT_EQ(first->claimInstance(name), InstanceClaim::Owned);

    auto second = world->startProcess();
    EXPECT_EQ(second->claimInstance(name), InstanceClaim::AlreadyRunning);
    // Start-up complete: ownership released, the name stays.
    EXPECT_TRUE(first->releaseInstanceOwnership());
    EXPECT_EQ(second->claimInstance(name), InstanceClaim::AlreadyRunning);

    first.reset();  // the first instance ends
    auto third = world->startProcess();
    EXPECT_EQ(third->claimInstance(name), InstanceClaim::Owned);
}

TEST(InstancePortContract, AnInstanceKilledDuringStartUpDoesNotBlockTheNext) {
    auto world = makeAppWorld();
    const std::string name = nameOfThisTest();
    auto killed = world->startProcess();
    ASSERT_EQ(killed->claimInstance(name), InstanceClaim::Owned);
    killed.reset();  // still owning the mutex: it is abandoned, and its name goes with the handle
    EXPECT_EQ(world->startProcess()->claimInstance(name), InstanceClaim::Owned);
}

TEST(InstancePortContract, OnlyTheOwnerCanReleaseAndOnlyOnce) {
    auto world = makeAppWorld();
    const std::string name = nameOfThisTest();
    auto owner = world->startProcess();
    auto refused = world->startProcess();
    EXPECT_FALSE(owner->releaseInstanceOwnership()) << "nothing claimed yet";
    ASSERT_EQ(owner->claimInstance(name), InstanceClaim::Owned);
    ASSERT_EQ(refused->claimInstance(name), InstanceClaim::AlreadyRunning);
    EXPECT_FALSE(refused->releaseInstanceOwnership());
    EXPECT_TRUE(owner->releaseInstanceOwnership());
    EXPECT_FALSE(owner->releaseInstanceOwnership());
}

TEST(InstancePortContract, NamesAreCaseSensitiveAndOtherObjectsMakeTheNameUnavailable) {
    auto world = makeAppWorld();
    const std::string name = nameOfThisTest();
    auto running = world->startProcess();
    ASSERT_EQ(running->claimInstance(name + ".QZ"), InstanceClaim::Owned);
    EXPECT_EQ(world->startProcess()->claimInstance(name + ".qz"), InstanceClaim::Owned);

    world->createForeignObject(name + ".event");
    EXPECT_EQ(world->startProcess()->claimInstance(name + ".event"), InstanceClaim::Unavailable);
}

}  // namespace
}  // namespace umbrix::contract
