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
};

// One line: "<handle> <process id>".
std::optional<RecordedWindow> parseLine(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const platform::WindowId window = windowFromHandleText(line.substr(0, space));
    std::uint32_t process = 0;
    const std::string_view id = line.substr(space + 1);
    auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), process);
    if (!window || error != std::errc{} || end != id.data() + id.size()) return std::nullopt;
    return RecordedWindow{window, platform::ProcessId{process}};
}

}  // namespace

HiddenWindowRecovery::HiddenWindowRecovery(platform::FilePort& files, platform::WindowPort& windows,
                                           platform::ClockPort& clock, std::string path)
    : files_(files), windows_(windows), clock_(clock), path_(std::move(path)) {}

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
        const auto process = windows_.windowProcessId(window);
        if (!process) return;
        written.insert(window.value);
        text += handle + " " + std::to_string(process->value) + "\n";
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
        if (!recorded || !stillHiddenBy(recorded->window, recorded->process)) continue;
        const std::string text = handleText(recorded->window);
        bool listed = false;
        for (const HiddenWindowEntry& entry : hidden.entries()) listed = listed || entry.handleText == text;
        if (listed) continue;
        hidden.append(HiddenWindowEntry{text, windows_.windowText(recorded->window), dateAndTimeText(clock_)});
        ++adopted;
    }
    return adopted;
}

bool HiddenWindowRecovery::stillHiddenBy(platform::WindowId window, platform::ProcessId process) {
    if (!windows_.isWindow(window) || windows_.isWindowVisible(window)) return false;
    const auto owner = windows_.windowProcessId(window);
    return owner && *owner == process;
}

}  // namespace umbrix::engine
