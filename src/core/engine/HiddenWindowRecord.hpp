#pragma once
// The text of the hidden-window record ("Hidden.dat"): a header line, then one line per window,
// "<handle> <process id> <process start time>", the start time "-" when it could not be read;
// after them, "place <handle> <place>" for each window whose place in the stacking order is
// known (0 at the top) and "active <handle>" for the window that was active before the hide.
// The first version of the reader skips those lines as lines it does not understand, so it still
// reads the windows of a record written now. Pure: text in, text out.
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
    std::optional<std::uint32_t> stackPlace;

    friend bool operator==(const RecordedWindow&, const RecordedWindow&) = default;
};

struct HiddenWindowRecord {
    std::vector<RecordedWindow> windows;  // never the same window twice
    platform::WindowId activeBeforeHide;  // WindowId{}: not known

    friend bool operator==(const HiddenWindowRecord&, const HiddenWindowRecord&) = default;
};

std::string formatHiddenWindowRecord(const HiddenWindowRecord& record);

// The windows of a record, in its order. A text without the header is no record and gives none;
// a line that is not understood is skipped. A line without the start time (as the first
// version wrote it) reads as one whose start time could not be read. A place names the first
// window of the record with its handle that has none yet; a place of a window the record does
// not list is skipped; of several "active" lines the last counts.
HiddenWindowRecord parseHiddenWindowRecord(std::string_view text);

}  // namespace umbrix::engine
