#pragma once
#include "platform/AudioPort.hpp"

struct IAudioEndpointVolume;

namespace umbrix::win32 {

// Holds the endpoint volume of the latest acquisition until the next one or its own end, which
// must come before the thread's CoUninitialize.
class Win32Audio final : public platform::AudioPort {
public:
    Win32Audio() = default;
    ~Win32Audio() override;

    platform::EndpointVolumeAcquisition acquireEndpointVolume() override;
    platform::IoResult setEndpointMute(bool mute) override;
    platform::MixerMuteControl findSpeakerMuteControl() override;
    std::uint32_t setMixerMute(std::uint32_t controlId, bool mute) override;

private:
    void releaseHeld();
    IAudioEndpointVolume* held_ = nullptr;
};

}  // namespace umbrix::win32
