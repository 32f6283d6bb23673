#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"
#include "extras/Decoy.hpp"

namespace umbrix::contract {
namespace {

using extras::waitUntil;

// The decoy as the program runs it, against the real shell: opened once, followed to its
// window, brought forward by the next activation instead of opened again.
TEST(DecoyContract, ADocumentDecoyIsOpenedOnceAndBroughtForwardAfterwards) {
    auto env = makeEnvironment();
    platform::Platform platform = env->platform();
    std::string document = env->scratchFolder() + "\\decoy.ini";
    ASSERT_TRUE(platform.files.writeFileThrough(document, "[decoy]\r\n"));
    umbrix::extras::Decoy decoy{platform.shell};
    umbrix::extras::DecoyOptions options{true, document};

    decoy.LaunchDecoy(options);
    EXPECT_GT(decoy.DecoyAppHandle(), 32u);
    std::optional<std::uint64_t> window;
    ASSERT_TRUE(waitUntil([&] { return (window = decoy.DecoyWindow()).has_value(); }));
    EXPECT_TRUE(decoy.IsDecoyWindow(*window));

    struct EndDecoy {
        ContractEnvironment& env;
        std::uint64_t window;
        ~EndDecoy() { extras::endProcessOfWindow(env, window); }
    } endDecoy{*env, *window};

    decoy.LaunchDecoy(options);
    EXPECT_EQ(decoy.DecoyWindow(), window) << "the same decoy, not a second copy";
    EXPECT_TRUE(waitUntil([&] { return extras::foregroundWindow(*env) == *window; }));

    // Closed by the user: nothing left to bring forward, and the decoy is forgotten.
    ASSERT_TRUE(extras::endProcessOfWindow(*env, *window));
    EXPECT_TRUE(waitUntil([&] { return !decoy.DecoyWindow(); }));
    EXPECT_FALSE(decoy.DoDecoyApp());
    EXPECT_EQ(decoy.DecoyAppHandle(), 0u);
}

}  // namespace
}  // namespace umbrix::contract
