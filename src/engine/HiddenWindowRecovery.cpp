#include "engine/HiddenWindowRecovery.hpp"

#include <charconv>
#include <optional>
#include <set>

#include "common/AtomicFile.hpp"
#include "engine/HandleText.hpp"
#include "engine/HideTime.hpp"

namespace umbrix::engine {

namespace {

constexpr std::string_view kHeader = "Umbrix hidden windows 1\n";

struct RecordedWindow {
    platform::WindowId window;
    platform::ProcessId process;
    std::optional<std::uint64_t> startTime;
};

template <class Number>
bool readNumber(std::string_view text, Number& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// One line: "<handle> <process id> <start time>", the start time "-" when it could not be read.
// A line without the start time (as the first version wrote it) is read as one that could not.
std::optional<RecordedWindow> parseLine(std::string_view line) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const platform::WindowId window = windowFromHandleText(line.substr(0, first));
    const std::string_view rest = line.substr(first + 1);
    const std::size_t second = rest.find(' ');
    std::uint32_t process = 0;
    if (!window || !readNumber(rest.substr(0, second), process)) return std::nullopt;
    RecordedWindow recorded{window, platform::ProcessId{process}, std::nullopt};
    if (second == std::string_view::npos) return recorded;
    const std::string_view start = rest.substr(second + 1);
    if (start == "-") return recorded;
    std::uint64_t startTime = 0;
    if (!readNumber(start, startTime)) return std::nullopt;
    recorded.startTime = startTime;
    return recorded;
}

}  // namespace

HiddenWindowRecovery::HiddenWindowRecovery(platform::FilePort& files, platform::WindowPort& windows,
                                           platform::ProcessPort& processes, platform::ClockPort& clock,
                                           std::string path)
    : files_(files), windows_(windows), processes_(processes), clock_(clock), path_(std::move(path)) {}

platform::IoResult HiddenWindowRecovery::record(const HiddenWindowList& hidden) { return write(hidden, {}); }

platform::IoResult HiddenWindowRecovery::recordBeforeHiding(const HiddenWindowList& hidden,
                                                            const std::vector<std::string>& aboutToHide) {
    return write(hidden, aboutToHide);
}

platform::IoResult HiddenWindowRecovery::write(const HiddenWindowList& hidden,
                                               const std::vector<std::string>& aboutToHide) {
    std::string text(kHeader);
    std::set<std::uint64_t> written;
    auto add = [&](const std::string& handle, bool hiddenOnly) {
        const platform::WindowId window = windowFromHandleText(handle);
        if (!window || written.count(window.value) || !windows_.isWindow(window)) return;
        if (hiddenOnly && windows_.isWindowVisible(window)) return;
        const auto owner = ownerOf(window);
        if (!owner) return;
        written.insert(window.value);
        text += handle + " " + std::to_string(owner->process.value) + " " +
                (owner->startTime ? std::to_string(*owner->startTime) : std::string("-")) + "\n";
    };
    for (const HiddenWindowEntry& entry : hidden.entries()) add(entry.handleText, /*hiddenOnly=*/true);
    for (const std::string& handle : aboutToHide) add(handle, /*hiddenOnly=*/false);
    if (written.empty()) {
        if (!files_.fileExists(path_)) return {};
        return files_.deleteFile(path_);
    }
    return writeFileAtomically(files_, path_, text);
}

int HiddenWindowRecovery::adoptLeftovers(HiddenWindowList& hidden) {
    const std::optional<std::string> bytes = files_.readFile(path_);
    if (!bytes || !std::string_view(*bytes).starts_with(kHeader)) return 0;
    int adopted = 0;
    std::string_view rest = std::string_view(*bytes).substr(kHeader.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const auto recorded = parseLine(line);
        if (!recorded || !stillHiddenBy(recorded->window, Owner{recorded->process, recorded->startTime})) continue;
        const std::string text = handleText(recorded->window);
        bool listed = false;
        for (const HiddenWindowEntry& entry : hidden.entries()) listed = listed || entry.handleText == text;
        if (listed) continue;
        hidden.append(HiddenWindowEntry{text, windows_.windowText(recorded->window), dateAndTimeText(clock_)});
        ++adopted;
    }
    return adopted;
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
