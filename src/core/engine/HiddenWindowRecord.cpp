#include "engine/HiddenWindowRecord.hpp"

#include <charconv>

#include "engine/HandleText.hpp"

namespace umbrix::engine {

namespace {

constexpr std::string_view kHeader = "Umbrix hidden windows 1\n";

template <class Number>
bool readNumber(std::string_view text, Number& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

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

std::string formatHiddenWindowRecord(const std::vector<RecordedWindow>& windows) {
    std::string text(kHeader);
    for (const RecordedWindow& recorded : windows) {
        text += handleText(recorded.window) + " " + std::to_string(recorded.process.value) + " " +
                (recorded.startTime ? std::to_string(*recorded.startTime) : std::string("-")) + "\n";
    }
    return text;
}

std::vector<RecordedWindow> parseHiddenWindowRecord(std::string_view text) {
    std::vector<RecordedWindow> windows;
    if (!text.starts_with(kHeader)) return windows;
    std::string_view rest = text.substr(kHeader.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (auto recorded = parseLine(line)) windows.push_back(*recorded);
    }
    return windows;
}

}  // namespace umbrix::engine
