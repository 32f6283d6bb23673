#include <gtest/gtest.h>

#include "extras/AudioMute.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::extras {
namespace {

class AudioMuteTest : public ::testing::Test {
protected:
    void makeXp() { ASSERT_TRUE(sim.files.deleteFile("C:\\Windows\\System32\\ndfetw.dll")); }

    sim::SimMachine sim;
    AudioMute audio{sim.audio, sim.system, sim.files};
};

TEST_F(AudioMuteTest, SetsTheStateAskedForWhateverItWas) {
    struct Case {
        bool mutedBefore;
        bool mute;
    };
    for (bool xp : {false, true}) {
        if (xp) makeXp();
        for (Case c : {Case{false, true}, Case{true, true}, Case{true, false}, Case{false, false}}) {
            SCOPED_TRACE(::testing::Message()
                         << (xp ? "mixer" : "endpoint") << ", muted before " << c.mutedBefore << ", mute " << c.mute);
            sim.audio.endpointMuted = sim.audio.mixerMuted = c.mutedBefore;
            EXPECT_EQ(audio.muteAudio(c.mute), 1);
            EXPECT_EQ(audio.muteAudio(c.mute), 1);  // a second call is no toggle
            EXPECT_EQ(xp ? sim.audio.mixerMuted : sim.audio.endpointMuted, c.mute);
            EXPECT_EQ(xp ? sim.audio.endpointMuted : sim.audio.mixerMuted, c.mutedBefore);  // the other path untouched
        }
    }
}

TEST_F(AudioMuteTest, TheSelectionFileAloneChoosesThePath) {
    // With the file the mixer is never tried, not even when the endpoint path finds no device.
    sim.audio.hasDefaultEndpoint = false;
    EXPECT_TRUE(audio.isPostXP());
    audio.muteAudio(true);
    EXPECT_EQ(sim.audio.mixerMuteCalls, 0);
    EXPECT_FALSE(sim.audio.mixerMuted);

    // Without it the mixer is used, though Core Audio would work.
    sim.audio.hasDefaultEndpoint = true;
    makeXp();
    EXPECT_FALSE(audio.isPostXP());
    audio.muteAudio(true);
    EXPECT_TRUE(sim.audio.mixerMuted);
    EXPECT_FALSE(sim.audio.endpointMuted);
    EXPECT_EQ(sim.audio.endpointMuteCalls, 0);
}

TEST_F(AudioMuteTest, HoldsOneEndpointVolumeAtATime) {
    audio.muteAudio(true);
    audio.muteAudio(false);
    audio.muteAudio(false);
    EXPECT_EQ(sim.audio.endpointVolumesActivated, 3);
    EXPECT_EQ(sim.audio.endpointVolumesReleased, 2);
    EXPECT_TRUE(sim.audio.holdsEndpointVolume());

    // A device without an endpoint volume empties the slot; the one held before is released.
    sim.audio.endpointVolumeAvailable = false;
    EXPECT_EQ(audio.setEndpointMute(true), 1);
    EXPECT_FALSE(sim.audio.holdsEndpointVolume());
    EXPECT_EQ(sim.audio.endpointVolumesReleased, 3);
    EXPECT_FALSE(sim.audio.endpointMuted);
}

TEST_F(AudioMuteTest, AMissingPartOfTheAudioChangesNothing) {
    struct Case {
        const char* name;
        void (*breakIt)(sim::SimAudio&);
        bool xp;
        int result;
    };
    const Case cases[] = {
        {"no device enumerator", [](sim::SimAudio& a) { a.enumeratorAvailable = false; }, false, 0},
        {"no default playback device", [](sim::SimAudio& a) { a.hasDefaultEndpoint = false; }, false, 0},
        {"no endpoint volume", [](sim::SimAudio& a) { a.endpointVolumeAvailable = false; }, false, 1},
        {"no mixer", [](sim::SimAudio& a) { a.hasMixer = false; }, true, 1},
        {"no speakers line", [](sim::SimAudio& a) { a.hasSpeakersLine = false; }, true, 1},
        {"no mute control on the speakers line", [](sim::SimAudio& a) { a.hasMuteControl = false; }, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimMachine machine;
        if (c.xp) {
            ASSERT_TRUE(machine.files.deleteFile("C:\\Windows\\System32\\ndfetw.dll"));
        }
        c.breakIt(machine.audio);
        AudioMute mute{machine.audio, machine.system, machine.files};

        EXPECT_EQ(mute.muteAudio(true), c.result);
        EXPECT_FALSE(machine.audio.endpointMuted);
        EXPECT_FALSE(machine.audio.mixerMuted);
        EXPECT_EQ(machine.audio.mixerMuteCalls, 0);
    }
}

TEST_F(AudioMuteTest, TheSpeakersMuteControlIsFoundOrTheFirstFailingQuerySays) {
    std::uint32_t control = 0;
    EXPECT_EQ(audio.getSpeakerMuteControl(control), 0u);
    EXPECT_EQ(control, sim::SimAudio::kMuteControlId);

    sim.audio.hasSpeakersLine = false;
    control = 0;
    EXPECT_EQ(audio.getSpeakerMuteControl(control), sim::SimAudio::kInvalidLine);
    EXPECT_EQ(control, 0u);
}

}  // namespace
}  // namespace umbrix::extras
