#pragma once
// The extras that follow an activation, in their fixed order, and the parts of them that other
// moments of the program call: lifting them for each window brought back, the Task Manager
// option before each action, and the policy clean-up at start and exit.
#include "extras/AudioMute.hpp"
#include "extras/SystemLockdown.hpp"
#include "extras/TraceCleanup.hpp"
#include "platform/Platform.hpp"
#include "settings/Options.hpp"

namespace umbrix::extras {

// An unhide with nothing hidden neither mutes nor restricts: nothing is left to guard.
enum class ExtrasScope { Everything, CleanupOnly };

class ActivationExtras {
public:
    explicit ActivationExtras(const platform::Platform& platform);

    // Runs the extras checked in `options` in this order: mute the audio; apply the Ctrl+Alt+Del
    // restriction; empty the Recycle Bin; clear the browser cache, then its typed addresses;
    // clear the browser history; empty the Recent folder, then the recent-documents list.
    // The mute, the Recycle Bin, the cache and the Recent folder absorb their own failures. A
    // policy value that cannot be written, a typed-addresses key that cannot be created again
    // or a history store that cannot be opened ends the run there with ExtrasError.
    void runExtras(const settings::Options& options, ExtrasScope scope = ExtrasScope::Everything);

    AudioMute& audio() { return audio_; }
    SystemLockdown& lockdown() { return lockdown_; }
    TraceCleanup& cleanup() { return cleanup_; }

private:
    AudioMute audio_;
    SystemLockdown lockdown_;
    TraceCleanup cleanup_;
};

}  // namespace umbrix::extras
