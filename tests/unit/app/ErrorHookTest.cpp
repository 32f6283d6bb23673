#include <gtest/gtest.h>

#include <stdexcept>

#include "app/ErrorHook.hpp"

namespace umbrix::app {
namespace {

TEST(ErrorHook, BeforeInstallationAnErrorGoesOnToTheCaller) {
    ErrorHook hook;
    EXPECT_THROW(hook.run("start", [] { throw std::runtime_error("during start-up"); }), std::runtime_error);
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
    EXPECT_NO_THROW(hook.run("save the settings", reaction));
    EXPECT_EQ(stepsDone, 1);
    EXPECT_EQ(hook.lastDiscarded(), "Unable to write to C:\\Umbrix\\QZ.ini");

    hook.run("next", [&] { ++stepsDone; });  // the program carries on
    EXPECT_EQ(stepsDone, 2);
    EXPECT_EQ(hook.discardedCount(), 1);
}

TEST(ErrorHook, WhatIsNotAnErrorOfTheProgramIsNotSwallowed) {
    struct ProcessDeath {};  // like the sim's crash: the program does not survive it
    ErrorHook hook;
    hook.install();
    EXPECT_THROW(hook.run("dies", [] { throw ProcessDeath{}; }), ProcessDeath);
    EXPECT_EQ(hook.discardedCount(), 0);
}

}  // namespace
}  // namespace umbrix::app
