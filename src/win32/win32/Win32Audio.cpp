#include "win32/Win32Audio.hpp"

#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
#include <mmsystem.h>

namespace umbrix::win32 {

using platform::EndpointVolumeAcquisition;
using platform::IoResult;

namespace {

// The Core Audio identifiers, spelled out so no import library is needed.
constexpr CLSID kDeviceEnumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID kDeviceEnumerator = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID kEndpointVolume = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

// Mixer 0, addressed by its number.
HMIXEROBJ firstMixer() { return reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(0)); }

}  // namespace

Win32Audio::~Win32Audio() { releaseHeld(); }

void Win32Audio::releaseHeld() {
    if (held_) held_->Release();
    held_ = nullptr;
}

EndpointVolumeAcquisition Win32Audio::acquireEndpointVolume() {
    IMMDeviceEnumerator* enumerator = nullptr;
    if (FAILED(CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_INPROC_SERVER, kDeviceEnumerator,
                                reinterpret_cast<void**>(&enumerator))) ||
        !enumerator) {
        return EndpointVolumeAcquisition::NoEnumerator;
    }
    IMMDevice* device = nullptr;
    if (FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) || !device) {
        enumerator->Release();
        return EndpointVolumeAcquisition::NoDefaultEndpoint;
    }
    releaseHeld();
    void* volume = nullptr;
    if (SUCCEEDED(device->Activate(kEndpointVolume, CLSCTX_INPROC_SERVER, nullptr, &volume))) {
        held_ = static_cast<IAudioEndpointVolume*>(volume);
    }
    device->Release();
    enumerator->Release();
    return held_ ? EndpointVolumeAcquisition::Held : EndpointVolumeAcquisition::NoEndpointVolume;
}

IoResult Win32Audio::setEndpointMute(bool mute) {
    if (!held_) return IoResult::failure(static_cast<std::uint32_t>(E_POINTER));
    HRESULT result = held_->SetMute(mute ? TRUE : FALSE, nullptr);
    if (FAILED(result)) return IoResult::failure(static_cast<std::uint32_t>(result));
    return IoResult::success();
}

platform::MixerMuteControl Win32Audio::findSpeakerMuteControl() {
    MIXERLINEW line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    MMRESULT result = mixerGetLineInfoW(firstMixer(), &line, MIXER_GETLINEINFOF_COMPONENTTYPE | MIXER_OBJECTF_MIXER);
    if (result != MMSYSERR_NOERROR) return {result, 0};

    MIXERCONTROLW control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSW controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    result = mixerGetLineControlsW(firstMixer(), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_MIXER);
    if (result != MMSYSERR_NOERROR) return {result, 0};
    return {MMSYSERR_NOERROR, control.dwControlID};
}

std::uint32_t Win32Audio::setMixerMute(std::uint32_t controlId, bool mute) {
    MIXERCONTROLDETAILS_BOOLEAN value{};
    value.fValue = mute ? -1 : 0;
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;  // every channel alike
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return mixerSetControlDetails(firstMixer(), &details, MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_MIXER);
}

}  // namespace umbrix::win32
