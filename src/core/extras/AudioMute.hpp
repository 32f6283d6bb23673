#pragma once
// The system's master mute, switched on when the desktop is hidden and off for each window
// brought back. Not a toggle: it sets the state it is asked for, whatever the state was.
#include <cstdint>

#include "platform/AudioPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/SystemPort.hpp"

namespace umbrix::extras {

class AudioMute {
public:
    AudioMute(platform::AudioPort& audio, platform::SystemPort& system, platform::FilePort& files);

    // Chooses the mechanism anew on every call: the Core Audio endpoint when isPostXP, the
    // mixer otherwise. 1 when the chosen path ran to its end (even if the system refused the
    // change), 0 when a failure interrupted it. Nothing is shown; no caller needs the result.
    int muteAudio(bool mute);

    // The system has "System32\ndfetw.dll" in its Windows folder, a file of every Windows
    // after XP.
    bool isPostXP();

    // 0 after the default playback device's mute was set, 1 when no endpoint volume could be
    // had. Throws ExtrasError when Core Audio itself failed (no enumerator, no default device).
    int setEndpointMute(bool mute);

    // 0 (MMSYSERR_NOERROR) with `controlId` set when mixer 0's speakers line has a mute
    // control; otherwise the error of the first query that failed.
    std::uint32_t getSpeakerMuteControl(std::uint32_t& controlId);

    // Sets the mixer's speakers mute; a mixer without one is left as it is.
    void setMixerMute(bool mute);

private:
    platform::AudioPort& audio_;
    platform::SystemPort& system_;
    platform::FilePort& files_;
};

}  // namespace umbrix::extras
