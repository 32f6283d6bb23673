#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"

namespace umbrix::contract {
namespace {

using platform::EndpointVolumeAcquisition;

// A machine with a playback device (the sim) must mute it; one without (Wine as the tests run
// it) must say so and change nothing. Either way nothing breaks.
class AudioPortContract : public ::testing::Test {
protected:
    extras::ComApartment com;  // outlives the environment, whose audio may hold an endpoint
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::AudioPort& audio = env->platform().audio;
};

TEST_F(AudioPortContract, TheEndpointIsHeldAndMutedOrItsAbsenceIsReported) {
    EndpointVolumeAcquisition acquisition = audio.acquireEndpointVolume();
    ASSERT_NE(acquisition, EndpointVolumeAcquisition::NoEnumerator) << "Core Audio's enumerator must exist";
    if (acquisition != EndpointVolumeAcquisition::Held) {
        EXPECT_FALSE(audio.setEndpointMute(true)) << "nothing is held to mute";
        return;
    }
    if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would mute this user's speakers";
    EXPECT_TRUE(audio.setEndpointMute(true));
    EXPECT_TRUE(audio.setEndpointMute(false));
    // A second acquisition replaces the first.
    EXPECT_EQ(audio.acquireEndpointVolume(), EndpointVolumeAcquisition::Held);
    EXPECT_TRUE(audio.setEndpointMute(false));
}

TEST_F(AudioPortContract, TheMixersMuteControlIsFoundOrTheQueryFails) {
    platform::MixerMuteControl control = audio.findSpeakerMuteControl();
    if (control.result != 0) {
        EXPECT_NE(audio.setMixerMute(control.controlId, true), 0u) << "no mixer control to set";
        return;
    }
    if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would mute this user's speakers";
    EXPECT_EQ(audio.setMixerMute(control.controlId, false), 0u);
}

}  // namespace
}  // namespace umbrix::contract
