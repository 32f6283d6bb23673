#pragma once
// The system's master mute, by two mechanisms: the Core Audio endpoint volume of the default
// playback device, and the multimedia mixer of older systems.
#include <cstdint>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

enum class EndpointVolumeAcquisition {
    Held,  // an endpoint volume is held now
    NoEnumerator,  // the device enumerator could not be created
    NoDefaultEndpoint,  // there is no default playback device; what was held stays held
    NoEndpointVolume,  // the device gave no endpoint volume; nothing is held any more
};

struct MixerMuteControl {
    std::uint32_t result = 0;  // MMRESULT: 0 (MMSYSERR_NOERROR) when found, else the first query's error
    std::uint32_t controlId = 0;  // the control's dwControlID when found
};

class AudioPort {
public:
    AudioPort() = default;
    AudioPort(const AudioPort&) = delete;
    AudioPort& operator=(const AudioPort&) = delete;
    virtual ~AudioPort() = default;  // releases the endpoint volume still held

    // CoCreateInstance(CLSID_MMDeviceEnumerator, CLSCTX_INPROC_SERVER) and
    // GetDefaultAudioEndpoint(eRender, eConsole); then the endpoint volume held from the
    // previous call is released and IMMDevice::Activate(IID_IAudioEndpointVolume,
    // CLSCTX_INPROC_SERVER) fills its place. The enumerator and the device are released before
    // this returns; the endpoint volume is held until the next call or the end of the program.
    virtual EndpointVolumeAcquisition acquireEndpointVolume() = 0;

    // IAudioEndpointVolume::SetMute(mute, NULL) on the endpoint volume held; fails when none is.
    virtual IoResult setEndpointMute(bool mute) = 0;

    // mixerGetLineInfoW(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXER_GETLINEINFOF_COMPONENTTYPE),
    // then mixerGetLineControlsW(that line, MIXERCONTROL_CONTROLTYPE_MUTE,
    // MIXER_GETLINECONTROLSF_ONEBYTYPE): the mute control of mixer 0's speakers line.
    virtual MixerMuteControl findSpeakerMuteControl() = 0;

    // mixerSetControlDetails(0, one MIXERCONTROLDETAILS_BOOLEAN for all channels,
    // MIXER_SETCONTROLDETAILSF_VALUE), fValue all bits set to mute and 0 to unmute: the MMRESULT.
    virtual std::uint32_t setMixerMute(std::uint32_t controlId, bool mute) = 0;
};

}  // namespace umbrix::platform
