#include <gtest/gtest.h>

#include "HotKeyFixture.hpp"
#include "hotkeys/DefaultHotKeys.hpp"

namespace umbrix::hotkeys {
namespace {

using Call = RecordingDispatchers::Call;
constexpr TShortCut kCtrlSpace = kCtrlBit | 0x20;
constexpr TShortCut kCtrlBackspace = kCtrlBit | 0x08;

class DefaultHotKeysTest : public ::testing::Test, protected HotKeyFixture {
protected:
    DefaultHotKeysTest() { router.setApplicationHook(&dispatchers); }
    OwnedHotkeyWindow applicationWindow{machine.hotkeys};
};

TEST_F(DefaultHotKeysTest, CtrlSpaceAndCtrlBackspaceReachGetHotKeysUnderTheAtomsOf321And432) {
    DefaultHotKeys keys(machine.hotkeys, applicationWindow.get());
    EXPECT_TRUE(keys.RegisterHotKeys().complete());
    EXPECT_EQ(keys.hideAtom(), machine.hotkeys.findAtom("321"));
    EXPECT_EQ(keys.unhideAtom(), machine.hotkeys.findAtom("432"));
    EXPECT_NE(keys.hideAtom(), keys.unhideAtom());

    press(kCtrlSpace);
    press(kCtrlBackspace);
    EXPECT_EQ(dispatchers.calls, (std::vector<Call>{{"GetHotKeys", ActivationSender::None, keys.hideAtom()},
                                                    {"GetHotKeys", ActivationSender::None, keys.unhideAtom()}}));
    EXPECT_TRUE(keys.isHideAtom(keys.hideAtom()));
    EXPECT_FALSE(keys.isHideAtom(keys.unhideAtom()));
    EXPECT_TRUE(keys.isUnhideAtom(keys.unhideAtom()));
}

TEST_F(DefaultHotKeysTest, ACombinationAnotherProgramHoldsStaysUnregisteredAndTheResultSaysSo) {
    holdElsewhere(kCtrlSpace);
    DefaultHotKeys keys(machine.hotkeys, applicationWindow.get());
    auto result = keys.RegisterHotKeys();
    EXPECT_FALSE(result.hide);
    EXPECT_TRUE(result.unhide);
    EXPECT_EQ(press(kCtrlSpace), sim::SimHotkeys::PressOutcome::OtherProgram);
    EXPECT_TRUE(dispatchers.calls.empty());

    // Registering again (after a theme change) tries the missing one only.
    releaseElsewhere(kCtrlSpace);
    EXPECT_TRUE(keys.RegisterHotKeys().complete());
    EXPECT_EQ(machine.hotkeys.registrations().size(), 2u);
}

TEST_F(DefaultHotKeysTest, AThemeChangeReleasesEverythingAndCtrlSpaceStillHidesAfterwards) {
    DefaultHotKeys keys(machine.hotkeys, applicationWindow.get());
    keys.RegisterHotKeys();
    keys.UnregisterHotKeys();
    EXPECT_FALSE(programHolds(kCtrlSpace));
    EXPECT_FALSE(programHolds(kCtrlBackspace));
    EXPECT_EQ(machine.hotkeys.findAtom("321"), std::nullopt);
    EXPECT_EQ(machine.hotkeys.findAtom("432"), std::nullopt);
    EXPECT_FALSE(keys.isHideAtom(0));

    keys.RegisterHotKeys();
    press(kCtrlSpace);
    ASSERT_EQ(dispatchers.calls.size(), 1u);
    EXPECT_TRUE(keys.isHideAtom(dispatchers.calls[0].messageSent));
}

TEST_F(DefaultHotKeysTest, TheControllerReleasesTheHotkeysOnCloseAndTheAtomsOnDestruction) {
    std::uint16_t otherReference = machine.hotkeys.globalAddAtom("321");  // another program's
    {
        DefaultHotKeys keys(machine.hotkeys, applicationWindow.get());
        keys.RegisterHotKeys();
        keys.ReleaseRegistrations();
        EXPECT_TRUE(machine.hotkeys.registrations().empty());
        EXPECT_TRUE(machine.hotkeys.findAtom("432"));
    }
    EXPECT_EQ(machine.hotkeys.findAtom("432"), std::nullopt);
    EXPECT_EQ(machine.hotkeys.findAtom("321"), otherReference);  // only the program's reference went
}

TEST_F(DefaultHotKeysTest, WithoutAnAtomNothingIsRegisteredUnderIdentifierZero) {
    machine.hotkeys.nextAtom = 0xBFFF;  // the atom table is full
    DefaultHotKeys keys(machine.hotkeys, applicationWindow.get());
    auto result = keys.RegisterHotKeys();
    EXPECT_FALSE(result.hide);
    EXPECT_FALSE(result.unhide);
    EXPECT_TRUE(machine.hotkeys.registrations().empty());
    // Identifier 0 belongs to the first hotkey component: it is never taken for an atom.
    EXPECT_FALSE(keys.isHideAtom(0));
    EXPECT_FALSE(keys.isUnhideAtom(0));
}

}  // namespace
}  // namespace umbrix::hotkeys
