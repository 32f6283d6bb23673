#pragma once
// The simulated audio: a default playback device with its endpoint volume and mute, and the old
// mixer with a speakers line and its mute control. Each part can be missing.
#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimJournal.hpp"
#include "platform/AudioPort.hpp"

namespace umbrix::sim {

class SimAudio final : public platform::AudioPort {
public:
    platform::EndpointVolumeAcquisition acquireEndpointVolume() override;
    platform::IoResult setEndpointMute(bool mute) override;
    platform::MixerMuteControl findSpeakerMuteControl() override;
    std::uint32_t setMixerMute(std::uint32_t controlId, bool mute) override;

    // The Core Audio side.
    bool enumeratorAvailable = true;
    bool hasDefaultEndpoint = true;
    bool endpointVolumeAvailable = true;
    bool endpointMuted = false;

    // The mixer side.
    bool hasMixer = true;
    bool hasSpeakersLine = true;
    bool hasMuteControl = true;
    bool mixerMuted = false;
    static constexpr std::uint32_t kMuteControlId = 7;

    // What happened so far.
    int endpointVolumesActivated = 0;
    int endpointVolumesReleased = 0;
    int endpointMuteCalls = 0;
    int mixerMuteCalls = 0;
    bool holdsEndpointVolume() const { return held_; }
    SimJournal* journal = nullptr;  // the process's call journal, when one is attached

    static constexpr std::uint32_t kBadDeviceId = 2;  // MMSYSERR_BADDEVICEID
    static constexpr std::uint32_t kInvalidLine = 1024;  // MIXERR_INVALLINE
    static constexpr std::uint32_t kInvalidControl = 1025;  // MIXERR_INVALCONTROL

private:
    void record(std::string call);
    bool held_ = false;
};

}  // namespace umbrix::sim
