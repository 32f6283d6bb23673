#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"

namespace umbrix::contract {
namespace {

// Only the store itself: clearing it would wipe a real user's history, and Wine implements no
// method of it (the clearing is checked against the sim alone).
TEST(UrlHistoryPortContract, TheHistoryStoreOpensWithItsClearingInterface) {
    extras::ComApartment com;
    auto env = makeEnvironment();
    platform::UrlHistoryOpening opening = env->platform().urlHistory.openHistoryStore();
    EXPECT_NE(opening.store, nullptr) << std::hex << opening.error;
    EXPECT_EQ(opening.error, 0u);
}

}  // namespace
}  // namespace umbrix::contract
