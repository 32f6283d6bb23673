#include <gtest/gtest.h>

#include <stdexcept>

#include "HotkeyFixture.hpp"

namespace umbrix::hotkeys {
namespace {

using Call = RecordingDispatchers::Call;

class HotkeyRouterTest : public ::testing::Test, protected HotkeyFixture {
protected:
    HotkeyRouterTest() { router.setApplicationHook(&dispatchers); }

    // A component on `owner` whose OnHotkey records a dispatchComponentHotkey with `sender`.
    std::unique_ptr<GlobalHotkey> component(platform::HotkeyWindow owner, KeyCombination code,
                                            ActivationSender sender) {
        auto made = std::make_unique<GlobalHotkey>(machine.hotkeys, identifiers, router, owner, code);
        made->OnHotkey = [this, sender](GlobalHotkey&) { dispatchers.dispatchComponentHotkey(sender); };
        made->setActive(true);
        return made;
    }

    OwnedHotkeyWindow dialogWindow{machine.hotkeys};
};

TEST_F(HotkeyRouterTest, EveryHotkeyPassesTheApplicationHookFirstThenItsComponent) {
    auto hide = component(dialogWindow.get(), 0x4048, ActivationSender::CustomHide);
    auto unhide = component(dialogWindow.get(), 0x4055, ActivationSender::CustomUnhide);
    press(0x4055);
    press(0x4048);
    EXPECT_EQ(dispatchers.calls,
              (std::vector<Call>{{"dispatchDefaultHotkey", ActivationSender::None, unhide->identifier()},
                                 {"dispatchComponentHotkey", ActivationSender::CustomUnhide, 0},
                                 {"dispatchDefaultHotkey", ActivationSender::None, hide->identifier()},
                                 {"dispatchComponentHotkey", ActivationSender::CustomHide, 0}}));
}

// A hook on one window, with a fixed identifier.
class FixedHook : public HotkeyHook {
public:
    FixedHook(platform::HotkeyWindow window, std::int32_t identifier) : window_(window), identifier_(identifier) {}
    platform::HotkeyWindow hookWindow() const override { return window_; }
    std::int32_t hookIdentifier() const override { return identifier_; }
    void onHookedHotkey() override {
        ++fired;
        if (onFire) onFire();
    }
    int fired = 0;
    std::function<void()> onFire;

private:
    platform::HotkeyWindow window_;
    std::int32_t identifier_;
};

TEST_F(HotkeyRouterTest, AComponentSeesOnlyItsOwnWindowsMessages) {
    OwnedHotkeyWindow applicationWindow{machine.hotkeys};
    FixedHook onDialog(dialogWindow.get(), 7);
    router.hook(onDialog);
    router.onHotkeyMessage(applicationWindow.get(), 7);
    EXPECT_EQ(onDialog.fired, 0);
    router.onHotkeyMessage(dialogWindow.get(), 8);
    EXPECT_EQ(onDialog.fired, 0);
    router.onHotkeyMessage(dialogWindow.get(), 7);
    EXPECT_EQ(onDialog.fired, 1);
    // The application-wide hook saw all three.
    EXPECT_EQ(dispatchers.calls.size(), 3u);
}

TEST_F(HotkeyRouterTest, AHotkeyPressedWhileAnotherIsHandledIsDeliveredAtOnce) {
    auto hide = component(dialogWindow.get(), 0x4048, ActivationSender::CustomHide);
    auto unhide = component(dialogWindow.get(), 0x4055, ActivationSender::CustomUnhide);
    std::vector<int> depths;
    dispatchers.onDispatchComponentHotkey = [&](ActivationSender sender) {
        depths.push_back(router.depth());
        // The unhide dispatcher shows a modal prompt, and the user presses the hide key in it.
        if (sender == ActivationSender::CustomUnhide) press(0x4048);
    };
    press(0x4055);
    EXPECT_EQ(dispatchers.calls,
              (std::vector<Call>{{"dispatchDefaultHotkey", ActivationSender::None, unhide->identifier()},
                                 {"dispatchComponentHotkey", ActivationSender::CustomUnhide, 0},
                                 {"dispatchDefaultHotkey", ActivationSender::None, hide->identifier()},
                                 {"dispatchComponentHotkey", ActivationSender::CustomHide, 0}}));
    EXPECT_EQ(depths, (std::vector<int>{1, 2}));
    EXPECT_EQ(router.depth(), 0);
}

TEST_F(HotkeyRouterTest, AComponentReleasedByAnEarlierHookIsNotCalled) {
    FixedHook first(dialogWindow.get(), 3);
    FixedHook second(dialogWindow.get(), 3);
    first.onFire = [&] { router.unhook(second); };
    router.hook(first);
    router.hook(second);
    router.onHotkeyMessage(dialogWindow.get(), 3);
    EXPECT_EQ(first.fired, 1);
    EXPECT_EQ(second.fired, 0);
}

TEST_F(HotkeyRouterTest, AnErrorGoesToTheProgramsHandlerAndTheMessageStillReachesItsComponent) {
    auto hide = component(dialogWindow.get(), 0x4048, ActivationSender::CustomHide);
    dispatchers.onDispatchDefaultHotkey = [](std::int32_t) { throw std::runtime_error("hide failed"); };
    press(0x4048);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THROW(std::rethrow_exception(errors[0]), std::runtime_error);
    EXPECT_EQ(dispatchers.calls.back(), (Call{"dispatchComponentHotkey", ActivationSender::CustomHide, 0}));
    EXPECT_EQ(router.depth(), 0);
}

TEST_F(HotkeyRouterTest, WithoutTheRouterNothingTakesTheMessages) {
    OwnedHotkeyWindow window{machine.hotkeys};
    ASSERT_TRUE(machine.hotkeys.registerHotkey(window.get(), 1, platform::hotkey_modifiers::kControl, 'Q'));
    {
        HotkeyRouter second(machine.hotkeys, [](std::exception_ptr) {});
    }
    machine.hotkeys.press(platform::hotkey_modifiers::kControl, 'Q');
    EXPECT_EQ(machine.hotkeys.undeliveredMessages, 1);
    EXPECT_THROW(HotkeyRouter(machine.hotkeys, nullptr), std::invalid_argument);
}

}  // namespace
}  // namespace umbrix::hotkeys
