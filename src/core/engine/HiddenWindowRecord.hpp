#pragma once
// The text of the hidden-window record ("Hidden.dat"): a header line, then one line per window,
// "<handle> <process id> <process start time>", the start time "-" when it could not be read.
// Pure: text in, text out.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowId.hpp"

namespace umbrix::engine {

struct RecordedWindow {
    platform::WindowId window;
    platform::ProcessId process;
    std::optional<std::uint64_t> startTime;

    friend bool operator==(const RecordedWindow&, const RecordedWindow&) = default;
};

std::string formatHiddenWindowRecord(const std::vector<RecordedWindow>& windows);

// The windows of a record, in its order. A text without the header is no record and gives none;
// a line that is not understood is skipped. A line without the start time (as the first
// version wrote it) reads as one whose start time could not be read.
std::vector<RecordedWindow> parseHiddenWindowRecord(std::string_view text);

}  // namespace umbrix::engine
