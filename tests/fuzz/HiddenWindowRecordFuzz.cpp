// The hidden-window record ("Hidden.dat"): any text read, written back and read again; and any
// windows written and read back.
#include <cstring>
#include <string>
#include <vector>

#include "FuzzTarget.hpp"
#include "engine/HiddenWindowRecord.hpp"

namespace {

using namespace umbrix;
using namespace umbrix::engine;

template <class Number>
Number take(const std::uint8_t*& at) {
    Number value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
}

// Windows as the program records them, 21 bytes each: handle, process id, start time and whether
// the start time could be read. Handle 0 names no window and is never recorded.
std::vector<RecordedWindow> windowsFrom(const std::uint8_t* data, std::size_t size) {
    std::vector<RecordedWindow> windows;
    constexpr std::size_t kEach = 8 + 4 + 8 + 1;
    for (const std::uint8_t* at = data; at + kEach <= data + size;) {
        const platform::WindowId window{take<std::uint64_t>(at)};
        const platform::ProcessId process{take<std::uint32_t>(at)};
        const auto startTime = take<std::uint64_t>(at);
        const bool startTimeRead = take<std::uint8_t>(at) & 1;
        if (window)
            windows.push_back(RecordedWindow{window, process, startTimeRead ? std::optional(startTime) : std::nullopt});
    }
    return windows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::vector<RecordedWindow> read = parseHiddenWindowRecord(text);
    const std::string written = formatHiddenWindowRecord(read);
    FUZZ_CHECK(parseHiddenWindowRecord(written) == read);
    FUZZ_CHECK(formatHiddenWindowRecord(parseHiddenWindowRecord(written)) == written);

    const std::vector<RecordedWindow> windows = windowsFrom(data, size);
    FUZZ_CHECK(parseHiddenWindowRecord(formatHiddenWindowRecord(windows)) == windows);
    return 0;
}
