#include "extras/AudioMute.hpp"

#include "extras/ExtrasError.hpp"

namespace umbrix::extras {

using platform::EndpointVolumeAcquisition;

namespace {
constexpr std::uint32_t kNotFound = 0x80070490;  // E_NOTFOUND: no default playback device
}

AudioMute::AudioMute(platform::AudioPort& audio, platform::SystemPort& system, platform::FilePort& files)
    : audio_(audio), system_(system), files_(files) {}

int AudioMute::muteAudio(bool mute) {
    try {
        if (isPostXP()) {
            setEndpointMute(mute);
        } else {
            setMixerMute(mute);
        }
        return 1;
    } catch (const ExtrasError&) {
        // Core Audio failed before anything changed; muting is best effort and says nothing.
        return 0;
    }
}

bool AudioMute::isPostXP() { return files_.fileExists(system_.windowsDirectory() + "\\System32\\ndfetw.dll"); }

int AudioMute::setEndpointMute(bool mute) {
    switch (audio_.acquireEndpointVolume()) {
        case EndpointVolumeAcquisition::NoEnumerator:
            throw ExtrasError("The audio device enumerator cannot be created", 0);
        case EndpointVolumeAcquisition::NoDefaultEndpoint:
            throw ExtrasError("There is no default playback device", kNotFound);
        case EndpointVolumeAcquisition::NoEndpointVolume: return 1;
        case EndpointVolumeAcquisition::Held: break;
    }
    // The device may refuse the change; the call still counts as done, as nothing else can be tried.
    (void)audio_.setEndpointMute(mute);
    return 0;
}

std::uint32_t AudioMute::getSpeakerMuteControl(std::uint32_t& controlId) {
    platform::MixerMuteControl control = audio_.findSpeakerMuteControl();
    if (control.result == 0) controlId = control.controlId;
    return control.result;
}

void AudioMute::setMixerMute(bool mute) {
    std::uint32_t controlId = 0;
    if (getSpeakerMuteControl(controlId) != 0) return;
    // The mixer's answer changes nothing for the program: there is no other way to try.
    (void)audio_.setMixerMute(controlId, mute);
}

}  // namespace umbrix::extras
