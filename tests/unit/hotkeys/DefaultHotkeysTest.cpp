#include <gtest/gtest.h>

#include "HotkeyFixture.hpp"
#include "hotkeys/DefaultHotkeys.hpp"

namespace umbrix::hotkeys {
namespace {

using Call = RecordingDispatchers::Call;
constexpr KeyCombination kCtrlSpace = kCtrlBit | 0x20;
constexpr KeyCombination kCtrlBackspace = kCtrlBit | 0x08;

class DefaultHotkeysTest : public ::testing::Test, protected HotkeyFixture {
protected:
    DefaultHotkeysTest() { router.setApplicationHook(&dispatchers); }
    OwnedHotkeyWindow applicationWindow{machine.hotkeys};
};

TEST_F(DefaultHotkeysTest, CtrlSpaceAndCtrlBackspaceReachTheDefaultDispatcherUnderTheAtomsOf321And432) {
    DefaultHotkeys keys(machine.hotkeys, applicationWindow.get());
    EXPECT_TRUE(keys.registerHotkeys().complete());
    EXPECT_EQ(keys.hideAtom(), machine.hotkeys.findAtom("321"));
    EXPECT_EQ(keys.unhideAtom(), machine.hotkeys.findAtom("432"));
    EXPECT_NE(keys.hideAtom(), keys.unhideAtom());

    press(kCtrlSpace);
    press(kCtrlBackspace);
    EXPECT_EQ(dispatchers.calls,
              (std::vector<Call>{{"dispatchDefaultHotkey", ActivationSender::None, keys.hideAtom()},
                                 {"dispatchDefaultHotkey", ActivationSender::None, keys.unhideAtom()}}));
    EXPECT_TRUE(keys.isHideAtom(keys.hideAtom()));
    EXPECT_FALSE(keys.isHideAtom(keys.unhideAtom()));
    EXPECT_TRUE(keys.isUnhideAtom(keys.unhideAtom()));
}

TEST_F(DefaultHotkeysTest, ACombinationAnotherProgramHoldsStaysUnregisteredAndTheResultSaysSo) {
    holdElsewhere(kCtrlSpace);
    DefaultHotkeys keys(machine.hotkeys, applicationWindow.get());
    auto result = keys.registerHotkeys();
    EXPECT_FALSE(result.hide);
    EXPECT_TRUE(result.unhide);
    EXPECT_EQ(press(kCtrlSpace), sim::SimHotkeys::PressOutcome::OtherProgram);
    EXPECT_TRUE(dispatchers.calls.empty());

    // Registering again (after a theme change) tries the missing one only.
    releaseElsewhere(kCtrlSpace);
    EXPECT_TRUE(keys.registerHotkeys().complete());
    EXPECT_EQ(machine.hotkeys.registrations().size(), 2u);
}

TEST_F(DefaultHotkeysTest, AThemeChangeReleasesEverythingAndCtrlSpaceStillHidesAfterwards) {
    DefaultHotkeys keys(machine.hotkeys, applicationWindow.get());
    keys.registerHotkeys();
    keys.unregisterHotkeys();
    EXPECT_FALSE(programHolds(kCtrlSpace));
    EXPECT_FALSE(programHolds(kCtrlBackspace));
    EXPECT_EQ(machine.hotkeys.findAtom("321"), std::nullopt);
    EXPECT_EQ(machine.hotkeys.findAtom("432"), std::nullopt);
    EXPECT_FALSE(keys.isHideAtom(0));

    keys.registerHotkeys();
    press(kCtrlSpace);
    ASSERT_EQ(dispatchers.calls.size(), 1u);
    EXPECT_TRUE(keys.isHideAtom(dispatchers.calls[0].messageSent));
}

TEST_F(DefaultHotkeysTest, TheControllerReleasesTheHotkeysOnCloseAndTheAtomsOnDestruction) {
    std::uint16_t otherReference = machine.hotkeys.globalAddAtom("321");  // another program's
    {
        DefaultHotkeys keys(machine.hotkeys, applicationWindow.get());
        keys.registerHotkeys();
        keys.releaseRegistrations();
        EXPECT_TRUE(machine.hotkeys.registrations().empty());
        EXPECT_TRUE(machine.hotkeys.findAtom("432"));
    }
    EXPECT_EQ(machine.hotkeys.findAtom("432"), std::nullopt);
    EXPECT_EQ(machine.hotkeys.findAtom("321"), otherReference);  // only the program's reference went
}

TEST_F(DefaultHotkeysTest, WithoutAnAtomNothingIsRegisteredUnderIdentifierZero) {
    machine.hotkeys.nextAtom = 0xBFFF;  // the atom table is full
    DefaultHotkeys keys(machine.hotkeys, applicationWindow.get());
    auto result = keys.registerHotkeys();
    EXPECT_FALSE(result.hide);
    EXPECT_FALSE(result.unhide);
    EXPECT_TRUE(machine.hotkeys.registrations().empty());
    // Identifier 0 belongs to the first hotkey component: it is never taken for an atom.
    EXPECT_FALSE(keys.isHideAtom(0));
    EXPECT_FALSE(keys.isUnhideAtom(0));
}

}  // namespace
}  // namespace umbrix::hotkeys
