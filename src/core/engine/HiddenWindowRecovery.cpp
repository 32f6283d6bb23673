#include "engine/HiddenWindowRecovery.hpp"

#include <map>
#include <set>

#include "common/AtomicFile.hpp"
#include "engine/HandleText.hpp"
#include "engine/HiddenWindowRecord.hpp"
#include "engine/HideTime.hpp"

namespace umbrix::engine {

HiddenWindowRecovery::HiddenWindowRecovery(platform::FilePort& files, platform::WindowPort& windows,
                                           platform::ProcessPort& processes, platform::ClockPort& clock,
                                           std::string path)
    : files_(files), windows_(windows), processes_(processes), clock_(clock), path_(std::move(path)) {}

platform::IoResult HiddenWindowRecovery::record(const HiddenWindowList& hidden) { return write(hidden, {}); }

platform::IoResult HiddenWindowRecovery::recordBeforeHiding(const HiddenWindowList& hidden,
                                                            const std::vector<HiddenWindowEntry>& aboutToHide) {
    return write(hidden, aboutToHide);
}

platform::IoResult HiddenWindowRecovery::write(const HiddenWindowList& hidden,
                                               const std::vector<HiddenWindowEntry>& aboutToHide) {
    HiddenWindowRecord record;
    std::vector<RecordedWindow>& windows = record.windows;
    std::set<std::uint64_t> written;
    // A process's start time is read once per record: the windows of one application share it.
    std::map<std::uint32_t, std::optional<std::uint64_t>> startTimes;
    auto add = [&](const HiddenWindowEntry& entry, bool hiddenOnly) {
        const platform::WindowId window = windowFromHandleText(entry.handleText);
        if (!window || written.count(window.value) || !windows_.isWindow(window)) return;
        if (hiddenOnly && windows_.isWindowVisible(window)) return;
        const auto process = windows_.windowProcessId(window);
        if (!process) return;
        auto startTime = startTimes.find(process->value);
        if (startTime == startTimes.end())
            startTime = startTimes.emplace(process->value, processes_.processStartTime(*process)).first;
        written.insert(window.value);
        windows.push_back(RecordedWindow{window, *process, startTime->second, entry.stackPlace});
    };
    // A listed window on the screen that no way back has shown is still held: its hide waits for
    // a program that does not answer, or its program has just shown it and the guard is about to
    // hide it again.
    for (const HiddenWindowEntry& entry : hidden.entries()) add(entry, /*hiddenOnly=*/entry.shownBack);
    for (const HiddenWindowEntry& entry : aboutToHide) add(entry, /*hiddenOnly=*/false);
    for (const RecordedWindow& recorded : held_.windows) {
        if (written.count(recorded.window.value) ||
            !stillHiddenBy(recorded.window, Owner{recorded.process, recorded.startTime}))
            continue;
        written.insert(recorded.window.value);
        windows.push_back(recorded);
    }
    if (windows.empty()) {
        if (!files_.fileExists(path_)) return {};
        return files_.deleteFile(path_);
    }
    // The held windows are an earlier run's, below this run's if it hid any: its active window
    // counts only when this run has none.
    record.activeBeforeHide = hidden.activeBeforeHide ? hidden.activeBeforeHide : held_.activeBeforeHide;
    if (record.activeBeforeHide && !windows_.isWindow(record.activeBeforeHide)) record.activeBeforeHide = {};
    return writeFileAtomically(files_, path_, formatHiddenWindowRecord(record));
}

int HiddenWindowRecovery::adoptLeftovers(HiddenWindowList& hidden) {
    const std::optional<std::string> bytes = files_.readFile(path_);
    if (!bytes) return 0;
    int adopted = 0;
    const HiddenWindowRecord record = parseHiddenWindowRecord(*bytes);
    if (hidden.empty() && record.activeBeforeHide && windows_.isWindow(record.activeBeforeHide))
        hidden.activeBeforeHide = record.activeBeforeHide;
    for (const RecordedWindow& recorded : record.windows) {
        if (!stillHiddenBy(recorded.window, Owner{recorded.process, recorded.startTime})) continue;
        const std::string text = handleText(recorded.window);
        bool listed = false;
        for (const HiddenWindowEntry& entry : hidden.entries()) listed = listed || entry.handleText == text;
        if (listed) continue;
        HiddenWindowEntry entry{text, windows_.windowText(recorded.window), dateAndTimeText(clock_)};
        entry.stackPlace = recorded.stackPlace;
        hidden.append(std::move(entry));
        ++adopted;
    }
    return adopted;
}

void HiddenWindowRecovery::holdLeftovers() {
    held_ = parseHiddenWindowRecord(files_.readFile(path_).value_or(std::string()));
}

std::optional<HiddenWindowRecovery::Owner> HiddenWindowRecovery::ownerOf(platform::WindowId window) {
    const auto process = windows_.windowProcessId(window);
    if (!process) return std::nullopt;
    return Owner{*process, processes_.processStartTime(*process)};
}

bool HiddenWindowRecovery::stillHiddenBy(platform::WindowId window, const Owner& recorded) {
    if (!windows_.isWindow(window) || windows_.isWindowVisible(window)) return false;
    const auto owner = ownerOf(window);
    if (!owner || owner->process != recorded.process) return false;
    return !owner->startTime || !recorded.startTime || *owner->startTime == *recorded.startTime;
}

}  // namespace umbrix::engine
