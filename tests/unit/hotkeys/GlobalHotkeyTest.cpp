#include <gtest/gtest.h>

#include "HotkeyFixture.hpp"

namespace umbrix::hotkeys {
namespace {

class GlobalHotkeyTest : public ::testing::Test, protected HotkeyFixture {
protected:
    OwnedHotkeyWindow window{machine.hotkeys};
};

TEST_F(GlobalHotkeyTest, ActivationRegistersTheCodesModifiersAndKeyOnTheOwnerWindow) {
    GlobalHotkey component(machine.hotkeys, identifiers, router, window.get(), 0xE041);
    component.setActive(true);
    ASSERT_TRUE(component.active());
    using sim::SimHotkeys;
    EXPECT_EQ(machine.hotkeys.registrations(),
              (std::vector<SimHotkeys::Registration>{{window.get(), 0, 0x7, 0x41}}));  // MOD_ALT|MOD_CONTROL|MOD_SHIFT

    std::vector<GlobalHotkey*> senders;
    component.OnHotkey = [&](GlobalHotkey& sender) { senders.push_back(&sender); };
    EXPECT_EQ(press(0xE041), sim::SimHotkeys::PressOutcome::Program);
    EXPECT_EQ(senders, std::vector<GlobalHotkey*>{&component});

    component.setActive(false);
    EXPECT_FALSE(component.active());
    EXPECT_FALSE(programHolds(0xE041));
    EXPECT_EQ(press(0xE041), sim::SimHotkeys::PressOutcome::Nobody);
    EXPECT_EQ(senders.size(), 1u);
}

TEST_F(GlobalHotkeyTest, EveryActivationOfAnyComponentTakesTheNextIdentifier) {
    GlobalHotkey hide(machine.hotkeys, identifiers, router, window.get(), 0x4048);
    GlobalHotkey unhide(machine.hotkeys, identifiers, router, window.get(), 0x4055);
    std::vector<std::int32_t> seen;
    auto activateAndNote = [&](GlobalHotkey& component) {
        component.setActive(true);
        seen.push_back(component.identifier());
    };
    activateAndNote(hide);
    hide.setActive(false);
    activateAndNote(hide);
    activateAndNote(unhide);
    hide.setActive(true);  // active already: nothing happens
    hide.setActive(false);
    activateAndNote(hide);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(machine.hotkeys.registerCalls, 4);
}

TEST_F(GlobalHotkeyTest, ChangingTheCodeOfAnActiveComponentRegistersItAnewUnderANewIdentifier) {
    GlobalHotkey component(machine.hotkeys, identifiers, router, window.get(), 0x4048);
    component.setActive(true);
    component.setHotkey(0x4048);  // the same code changes nothing
    EXPECT_EQ(component.identifier(), 0);
    component.setHotkey(0x4049);
    EXPECT_TRUE(component.active());
    EXPECT_EQ(component.identifier(), 1);
    EXPECT_FALSE(programHolds(0x4048));
    EXPECT_TRUE(programHolds(0x4049));

    component.setActive(false);
    component.setHotkey(0x404A);  // an inactive component only stores the code
    EXPECT_FALSE(component.active());
    EXPECT_EQ(component.hotkey(), 0x404A);
    EXPECT_TRUE(machine.hotkeys.registrations().empty());
}

struct RetryCase {
    const char* name;
    bool hasCallback;
    std::vector<KeyCombination> offers;  // what the callback answers, call by call (unchanged = give up)
    bool active;
    KeyCombination finalCode;
    int callbackCalls;
};

class FailureRetryRule : public GlobalHotkeyTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(FailureRetryRule, OnlyAChangedCodeIsTriedAgain) {
    const RetryCase& c = GetParam();
    holdElsewhere(0x4048);
    holdElsewhere(0x4049);
    GlobalHotkey component(machine.hotkeys, identifiers, router, window.get(), 0x4048);
    int calls = 0;
    if (c.hasCallback) {
        component.OnHotkeyRegisterFailed = [&](GlobalHotkey& sender, KeyCombination& code) {
            EXPECT_EQ(&sender, &component);
            EXPECT_FALSE(sender.active());
            if (calls < static_cast<int>(c.offers.size())) code = c.offers[calls];
            ++calls;
        };
    }
    component.setActive(true);
    EXPECT_EQ(component.active(), c.active);
    EXPECT_EQ(component.hotkey(), c.finalCode);
    EXPECT_EQ(calls, c.callbackCalls);
    EXPECT_EQ(component.identifier(), 0);  // the retries keep the activation's identifier
    EXPECT_EQ(programHolds(c.finalCode), c.active);
}

INSTANTIATE_TEST_SUITE_P(
    GlobalHotkey, FailureRetryRule,
    ::testing::Values(RetryCase{"NoCallbackGivesUp", false, {}, false, 0x4048, 0},
                      RetryCase{"UnchangedCodeGivesUp", true, {0x4048}, false, 0x4048, 1},
                      RetryCase{"AFreeCodeIsRegistered", true, {0x404A}, true, 0x404A, 1},
                      RetryCase{"ATakenCodeAsksAgain", true, {0x4049, 0x404B}, true, 0x404B, 2},
                      RetryCase{"ATakenCodeThenUnchangedGivesUp", true, {0x4049, 0x4049}, false, 0x4049, 2},
                      RetryCase{"CodeZeroGivesUp", true, {0}, false, 0x4048, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GlobalHotkeyTest, CodeZeroNamesNoKeyAndIsNeverRegistered) {
    GlobalHotkey first(machine.hotkeys, identifiers, router, window.get(), 0);
    GlobalHotkey second(machine.hotkeys, identifiers, router, window.get(), 0);
    int failures = 0;
    second.OnHotkeyRegisterFailed = [&](GlobalHotkey&, KeyCombination&) { ++failures; };
    first.setActive(true);
    second.setActive(true);
    EXPECT_FALSE(first.active());
    EXPECT_FALSE(second.active());
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(machine.hotkeys.registerCalls, 0);
    EXPECT_EQ(identifiers.peek(), 0);
}

TEST_F(GlobalHotkeyTest, AComponentReleasesItsHotkeyWhenItGoes) {
    {
        GlobalHotkey component(machine.hotkeys, identifiers, router, window.get(), 0x4048);
        component.setActive(true);
        EXPECT_TRUE(programHolds(0x4048));
    }
    EXPECT_FALSE(programHolds(0x4048));
    EXPECT_EQ(press(0x4048), sim::SimHotkeys::PressOutcome::Nobody);
}

}  // namespace
}  // namespace umbrix::hotkeys
