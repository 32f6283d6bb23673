#include <gtest/gtest.h>

#include <stdexcept>

#include "app/ErrorHook.hpp"

namespace umbrix::app {
namespace {

TEST(ErrorHook, BeforeInstallationAnErrorGoesOnToTheCaller) {
    ErrorHook hook;
    EXPECT_THROW(hook.run([] { throw std::runtime_error("during start-up"); }), std::runtime_error);
    EXPECT_EQ(hook.discardedCount(), 0);
}

TEST(ErrorHook, OnceInstalledAnErrorEndsTheReactionWhereItFailedAndNothingElse) {
    ErrorHook hook;
    hook.install();
    int stepsDone = 0;
    auto reaction = [&] {
        ++stepsDone;
        throw std::runtime_error("Unable to write to C:\\Umbrix\\QZ.ini");
        ++stepsDone;  // never reached
    };
    EXPECT_NO_THROW(hook.run(reaction));
    EXPECT_EQ(stepsDone, 1);
    EXPECT_EQ(hook.lastDiscarded(), "Unable to write to C:\\Umbrix\\QZ.ini");

    EXPECT_NO_THROW(hook.run([] { throw 42; }));  // not even a std::exception escapes
    EXPECT_EQ(hook.discardedCount(), 2);

    hook.run([&] { ++stepsDone; });  // the program carries on
    EXPECT_EQ(stepsDone, 2);
    EXPECT_EQ(hook.discardedCount(), 2);
}

}  // namespace
}  // namespace umbrix::app
