#include "engine/HiddenWindowRecord.hpp"

#include <charconv>

#include "engine/HandleText.hpp"

namespace umbrix::engine {

namespace {

constexpr std::string_view kHeader = "Umbrix hidden windows 1\n";
// Words that no handle text begins with, so the first reader skips these lines.
constexpr std::string_view kPlace = "place ";
constexpr std::string_view kActive = "active ";

template <class Number>
bool readNumber(std::string_view text, Number& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

std::optional<RecordedWindow> parseWindowLine(std::string_view line) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const platform::WindowId window = windowFromHandleText(line.substr(0, first));
    const std::string_view rest = line.substr(first + 1);
    const std::size_t second = rest.find(' ');
    std::uint32_t process = 0;
    if (!window || !readNumber(rest.substr(0, second), process)) return std::nullopt;
    RecordedWindow recorded{window, platform::ProcessId{process}, std::nullopt, std::nullopt};
    if (second == std::string_view::npos) return recorded;
    const std::string_view start = rest.substr(second + 1);
    if (start == "-") return recorded;
    std::uint64_t startTime = 0;
    if (!readNumber(start, startTime)) return std::nullopt;
    recorded.startTime = startTime;
    return recorded;
}

// "place <handle> <place>": given to the first window of that handle without one.
void readPlace(std::string_view line, std::vector<RecordedWindow>& windows) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return;
    const platform::WindowId window = windowFromHandleText(line.substr(0, space));
    std::uint32_t place = 0;
    if (!window || !readNumber(line.substr(space + 1), place)) return;
    for (RecordedWindow& recorded : windows) {
        if (recorded.window == window && !recorded.stackPlace) {
            recorded.stackPlace = place;
            return;
        }
    }
}

}  // namespace

std::string formatHiddenWindowRecord(const HiddenWindowRecord& record) {
    std::string text(kHeader);
    for (const RecordedWindow& recorded : record.windows) {
        text += handleText(recorded.window) + " " + std::to_string(recorded.process.value) + " " +
                (recorded.startTime ? std::to_string(*recorded.startTime) : std::string("-")) + "\n";
    }
    for (const RecordedWindow& recorded : record.windows) {
        if (recorded.stackPlace)
            text +=
                std::string(kPlace) + handleText(recorded.window) + " " + std::to_string(*recorded.stackPlace) + "\n";
    }
    if (record.activeBeforeHide) text += std::string(kActive) + handleText(record.activeBeforeHide) + "\n";
    return text;
}

HiddenWindowRecord parseHiddenWindowRecord(std::string_view text) {
    HiddenWindowRecord record;
    if (!text.starts_with(kHeader)) return record;
    std::string_view rest = text.substr(kHeader.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (line.starts_with(kPlace)) {
            readPlace(line.substr(kPlace.size()), record.windows);
        } else if (line.starts_with(kActive)) {
            if (const platform::WindowId window = windowFromHandleText(line.substr(kActive.size())))
                record.activeBeforeHide = window;
        } else if (auto recorded = parseWindowLine(line)) {
            record.windows.push_back(*recorded);
        }
    }
    return record;
}

}  // namespace umbrix::engine
