#pragma once
// A record on disk of the windows this program keeps hidden, so that a run that ends without
// showing them again (killed, crashed, the power gone) does not leave them invisible for good:
// the next start takes the windows that are still hidden back into its hidden-window list,
// from where the unhide hotkey (with its password, if one is required) shows them.
//
// Only window handles, process ids and process start times are written, never titles: the
// record tells nothing of what the user was doing. A handle counts only while it still names a
// hidden window of the same process (the same id, started at the same time), so a handle or a
// process id that Windows has reused since is left alone.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HiddenWindowEntry.hpp"
#include "engine/HiddenWindowRecord.hpp"
#include "platform/ClockPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/ProcessPort.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::engine {

inline constexpr std::string_view kHiddenWindowRecordName = "Hidden.dat";

class HiddenWindowRecovery {
public:
    HiddenWindowRecovery(platform::FilePort& files, platform::WindowPort& windows, platform::ProcessPort& processes,
                         platform::ClockPort& clock, std::string path);

    const std::string& path() const { return path_; }

    // Writes the windows of `hidden` that still exist, but not those a way back has shown and
    // that are still on the screen, replacing the record whole; with none, the record is deleted.
    platform::IoResult record(const HiddenWindowList& hidden);

    // Written just before a hide: the windows of `hidden` as record() writes them, and every
    // window of `aboutToHide` that still exists, hidden yet or not. Taking back only hidden
    // windows, the next start then finds those a hide cut short had already hidden.
    platform::IoResult recordBeforeHiding(const HiddenWindowList& hidden,
                                          const std::vector<HiddenWindowEntry>& aboutToHide);

    // Appends to `hidden` every recorded window that still exists, is still hidden and belongs
    // to the recorded process, with its title, the time of now and its recorded place in the
    // stacking order; returns how many. Into an empty list it also takes the window that was
    // active before the hide, if that is still a window. A record that cannot be read, or a line
    // that is not understood, adds nothing. A start time that could not be read is no proof
    // either way: the process id alone then decides.
    int adoptLeftovers(HiddenWindowList& hidden);

    // For a run that must not take the leftovers back: every record it writes from now on keeps
    // the recorded windows that are still hidden by their recorded process, for a later start.
    void holdLeftovers();

private:
    platform::IoResult write(const HiddenWindowList& hidden, const std::vector<HiddenWindowEntry>& aboutToHide);
    struct Owner {
        platform::ProcessId process;
        std::optional<std::uint64_t> startTime;
    };
    std::optional<Owner> ownerOf(platform::WindowId window);
    bool stillHiddenBy(platform::WindowId window, const Owner& recorded);

    platform::FilePort& files_;
    platform::WindowPort& windows_;
    platform::ProcessPort& processes_;
    platform::ClockPort& clock_;
    std::string path_;
    HiddenWindowRecord held_;  // an earlier run's windows, kept for a later start
};

}  // namespace umbrix::engine
