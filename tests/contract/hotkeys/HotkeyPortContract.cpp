#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "ContractEnvironment.hpp"
#include "HotkeySession.hpp"
#include "platform/HotkeyPort.hpp"

namespace umbrix::contract {
namespace {

using platform::HotkeyWindow;
namespace mods = platform::hotkey_modifiers;
namespace errors = platform::errors;

// Combinations nobody else in a test session uses.
constexpr std::uint32_t kCtrlShiftAlt = mods::kControl | mods::kShift | mods::kAlt;
constexpr std::uint32_t kCtrlShift = mods::kControl | mods::kShift;

class RecordingSink : public platform::HotkeyMessageSink {
public:
    void onHotkeyMessage(HotkeyWindow window, std::int32_t identifier) override {
        received.emplace_back(window, identifier);
    }
    std::vector<std::pair<HotkeyWindow, std::int32_t>> received;
};

class HotkeyPortContract : public ::testing::Test {
protected:
    ~HotkeyPortContract() override {
        hotkeys.setMessageSink(nullptr);
        for (HotkeyWindow window : windows) hotkeys.destroyHotkeyWindow(window);
    }
    HotkeyWindow newWindow() {
        windows.push_back(hotkeys.createHotkeyWindow());
        return windows.back();
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::HotkeyPort& hotkeys = env->platform().hotkeys;
    std::vector<HotkeyWindow> windows;
};

TEST_F(HotkeyPortContract, AtomsOfOneNameAreSharedAndCounted) {
    const std::uint16_t atom = hotkeys.globalAddAtom("Umbrix contract atom");
    ASSERT_GE(atom, 0xC000);  // a string atom; its value is the session's choice
    EXPECT_EQ(hotkeys.globalAddAtom("UMBRIX CONTRACT ATOM"), atom);  // names ignore letter case
    EXPECT_NE(hotkeys.globalAddAtom("Umbrix other atom"), atom);
    EXPECT_TRUE(hotkeys.globalDeleteAtom(atom));
    EXPECT_TRUE(hotkeys.globalDeleteAtom(atom));  // two references, two deletions
    EXPECT_FALSE(hotkeys.globalDeleteAtom(atom));
    EXPECT_EQ(hotkeys.globalAddAtom("#12"), 12);  // an integer atom is its number
}

TEST_F(HotkeyPortContract, ACombinationBelongsToOneWindowAtATime) {
    HotkeyWindow first = newWindow(), second = newWindow();
    ASSERT_TRUE(hotkeys.registerHotkey(first, 1, kCtrlShiftAlt, 'Q'));
    EXPECT_EQ(hotkeys.registerHotkey(second, 2, kCtrlShiftAlt, 'Q').error, errors::kHotkeyAlreadyRegistered);
    EXPECT_TRUE(hotkeys.unregisterHotkey(first, 1));
    EXPECT_EQ(hotkeys.unregisterHotkey(first, 1).error, errors::kHotkeyNotRegistered);
    EXPECT_TRUE(hotkeys.registerHotkey(second, 2, kCtrlShiftAlt, 'Q'));
    EXPECT_TRUE(hotkeys.unregisterHotkey(second, 2));
}

TEST_F(HotkeyPortContract, ADestroyedWindowLeavesItsCombinationsFree) {
    HotkeyWindow doomed = hotkeys.createHotkeyWindow();
    ASSERT_TRUE(hotkeys.registerHotkey(doomed, 5, kCtrlShiftAlt, 'R'));
    hotkeys.destroyHotkeyWindow(doomed);
    HotkeyWindow next = newWindow();
    EXPECT_TRUE(hotkeys.registerHotkey(next, 5, kCtrlShiftAlt, 'R'));
    EXPECT_EQ(hotkeys.registerHotkey(doomed, 6, kCtrlShiftAlt, 'S').error, errors::kInvalidWindowHandle);
    EXPECT_TRUE(hotkeys.unregisterHotkey(next, 5));
}

TEST_F(HotkeyPortContract, ACombinationAnotherProcessHoldsIsRefused) {
    HotkeyWindow window = newWindow();
    {
        auto other = holdInAnotherProcess(*env, kCtrlShiftAlt, 'T');
        EXPECT_EQ(hotkeys.registerHotkey(window, 3, kCtrlShiftAlt, 'T').error, errors::kHotkeyAlreadyRegistered);
        EXPECT_TRUE(hotkeys.registerHotkey(window, 4, kCtrlShiftAlt, 'U'));  // only that combination
        EXPECT_TRUE(hotkeys.unregisterHotkey(window, 4));
    }
    EXPECT_TRUE(hotkeys.registerHotkey(window, 3, kCtrlShiftAlt, 'T'));
    EXPECT_TRUE(hotkeys.unregisterHotkey(window, 3));
}

TEST_F(HotkeyPortContract, PressingACombinationDeliversItsWindowAndIdentifierToTheSink) {
    RecordingSink sink;
    hotkeys.setMessageSink(&sink);
    HotkeyWindow bystander = newWindow(), window = newWindow();
    ASSERT_TRUE(hotkeys.registerHotkey(bystander, 41, kCtrlShift, 'K'));
    ASSERT_TRUE(hotkeys.registerHotkey(window, 42, kCtrlShift, 'J'));
    EXPECT_TRUE(pressUntil(*env, kCtrlShift, 'J', [&] { return !sink.received.empty(); }));
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(sink.received[0], std::make_pair(window, std::int32_t{42}));
    EXPECT_TRUE(hotkeys.unregisterHotkey(window, 42));
    EXPECT_TRUE(hotkeys.unregisterHotkey(bystander, 41));
}

TEST_F(HotkeyPortContract, KeysAreNamedByTheKeyboardLayout) {
    // The US English layout, which Wine uses too; other layouts name these keys differently.
    const std::pair<std::uint8_t, const char*> named[] = {
        {0xBA, ";"}, {0xBC, ","}, {0xBE, "."}, {0xBF, "/"},  {0xDB, "["},
        {0xDD, "]"}, {'A', "A"},  {'7', "7"},  {0x70, "F1"},
    };
    for (const auto& [key, name] : named) EXPECT_EQ(hotkeys.keyNameText(key), name) << int(key);
    // Keys without a scan code have no name.
    for (std::uint8_t key : {0x07, 0x0A, 0xFF}) EXPECT_EQ(hotkeys.keyNameText(key), "") << int(key);
}

}  // namespace
}  // namespace umbrix::contract
