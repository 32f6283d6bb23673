#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"
#include "extras/Decoy.hpp"

namespace umbrix::contract {
namespace {

using extras::waitUntil;

// Ends the process that shows a decoy's window, whatever the test's outcome.
struct EndDecoy {
    ContractEnvironment& env;
    std::uint64_t window;
    ~EndDecoy() { extras::endProcessOfWindow(env, window); }
};

// The decoy as the program runs it, against the real shell: each launch opens a new instance,
// which is followed to its own window until that window is gone.
TEST(DecoyContract, EachLaunchOpensANewDecoyFollowedToItsOwnWindow) {
    auto env = makeEnvironment();
    platform::Platform platform = env->platform();
    std::string document = env->scratchFolder() + "\\decoy.ini";
    ASSERT_TRUE(platform.files.writeFileThrough(document, "[decoy]\r\n"));
    umbrix::extras::Decoy decoy{platform.shell};
    umbrix::extras::DecoyOptions options{true, document};

    decoy.launchDecoy(options);
    EXPECT_GT(decoy.decoyAppHandle(), 32u);
    std::optional<std::uint64_t> first;
    ASSERT_TRUE(waitUntil([&] { return (first = decoy.decoyWindow()).has_value(); }));
    EndDecoy endFirst{*env, *first};

    decoy.launchDecoy(options);
    std::optional<std::uint64_t> second;
    ASSERT_TRUE(waitUntil([&] { return (second = decoy.decoyWindow()).has_value(); }));
    EndDecoy endSecond{*env, *second};
    EXPECT_NE(second, first) << "a second copy, not the first one again";

    // Closed by the user: the decoy is over.
    ASSERT_TRUE(extras::endProcessOfWindow(*env, *second));
    EXPECT_TRUE(waitUntil([&] { return !decoy.decoyWindow(); }));
}

}  // namespace
}  // namespace umbrix::contract
