#include "sim/SimAudio.hpp"

namespace umbrix::sim {

using platform::EndpointVolumeAcquisition;
using platform::IoResult;

namespace {
constexpr std::uint32_t kNotFound = 0x80070490;  // E_NOTFOUND: the endpoint volume is gone
}

void SimAudio::record(std::string call) {
    if (journal) journal->add(std::move(call));
}

EndpointVolumeAcquisition SimAudio::acquireEndpointVolume() {
    record("audio.acquireEndpointVolume");
    if (!enumeratorAvailable) return EndpointVolumeAcquisition::NoEnumerator;
    if (!hasDefaultEndpoint) return EndpointVolumeAcquisition::NoDefaultEndpoint;
    if (held_) {
        held_ = false;
        ++endpointVolumesReleased;
    }
    if (!endpointVolumeAvailable) return EndpointVolumeAcquisition::NoEndpointVolume;
    held_ = true;
    ++endpointVolumesActivated;
    return EndpointVolumeAcquisition::Held;
}

IoResult SimAudio::setEndpointMute(bool mute) {
    record(mute ? "audio.setEndpointMute on" : "audio.setEndpointMute off");
    ++endpointMuteCalls;
    if (!held_) return IoResult::failure(kNotFound);
    endpointMuted = mute;
    return IoResult::success();
}

platform::MixerMuteControl SimAudio::findSpeakerMuteControl() {
    record("audio.findSpeakerMuteControl");
    if (!hasMixer) return {kBadDeviceId, 0};
    if (!hasSpeakersLine) return {kInvalidLine, 0};
    if (!hasMuteControl) return {kInvalidControl, 0};
    return {0, kMuteControlId};
}

std::uint32_t SimAudio::setMixerMute(std::uint32_t controlId, bool mute) {
    record(mute ? "audio.setMixerMute on" : "audio.setMixerMute off");
    ++mixerMuteCalls;
    if (!hasMixer) return kBadDeviceId;
    if (!hasMuteControl || controlId != kMuteControlId) return kInvalidControl;
    mixerMuted = mute;
    return 0;
}

}  // namespace umbrix::sim
