#pragma once
// The extras as the window engine asks for them: the lockdown and mute steps of showing a
// window again, and the decoy's window kept out of the inventory. The extras name windows by
// their raw handle value, the engine by WindowId; the conversion lives here only.
#include "engine/EngineCollaborators.hpp"
#include "engine/EngineState.hpp"
#include "extras/AudioMute.hpp"
#include "extras/Decoy.hpp"
#include "extras/SystemLockdown.hpp"

namespace umbrix::extras {

class EngineLockdown final : public engine::Lockdown {
public:
    explicit EngineLockdown(SystemLockdown& lockdown) : lockdown_(lockdown) {}
    bool hasAdministratorRights() override { return lockdown_.HasAdministratorRights(); }
    void setTaskManagerDisabled(bool disabled) override { lockdown_.SetTaskManagerPolicy(disabled); }
    // A refused write throws ExtrasError; the engine's show step absorbs it.
    void liftCtrlAltDelRestrictions() override { lockdown_.SetCtrlAltDelPolicy(true); }

private:
    SystemLockdown& lockdown_;
};

class EngineAudioMute final : public engine::AudioMute {
public:
    explicit EngineAudioMute(extras::AudioMute& audio) : audio_(audio) {}
    void switchMuteOff() override { audio_.MuteAudio(false); }

private:
    extras::AudioMute& audio_;
};

// Records the decoy's current window (or none) where the inventory looks for it, so that the
// next refresh, and the hide or close action built on it, leaves the decoy on screen.
void markDecoyWindow(Decoy& decoy, engine::EngineState& state);

}  // namespace umbrix::extras
