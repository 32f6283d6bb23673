// The hidden-window record ("Hidden.dat"): any text read, written back and read again; and any
// record the program could write, written and read back.
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

// A record as the program writes it, from the bytes: the first 8 the active window (0: none), then
// 25 bytes a window: handle, process id, start time, place in the stack, and which of the start
// time and the place are known. Handle 0 names no window, and no window is recorded twice.
HiddenWindowRecord recordFrom(const std::uint8_t* data, std::size_t size) {
    HiddenWindowRecord record;
    const std::uint8_t* at = data;
    if (size >= 8) record.activeBeforeHide = platform::WindowId{take<std::uint64_t>(at)};
    constexpr std::size_t kEach = 8 + 4 + 8 + 4 + 1;
    while (at + kEach <= data + size) {
        const platform::WindowId window{take<std::uint64_t>(at)};
        const platform::ProcessId process{take<std::uint32_t>(at)};
        const auto startTime = take<std::uint64_t>(at);
        const auto place = take<std::uint32_t>(at);
        const std::uint8_t known = take<std::uint8_t>(at);
        bool listed = false;
        for (const RecordedWindow& recorded : record.windows) listed = listed || recorded.window == window;
        if (!window || listed) continue;
        record.windows.push_back(RecordedWindow{window, process, (known & 1) ? std::optional(startTime) : std::nullopt,
                                                (known & 2) ? std::optional(place) : std::nullopt});
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const HiddenWindowRecord read = parseHiddenWindowRecord(text);
    const std::string written = formatHiddenWindowRecord(read);
    FUZZ_CHECK(parseHiddenWindowRecord(written) == read);
    FUZZ_CHECK(formatHiddenWindowRecord(parseHiddenWindowRecord(written)) == written);

    const HiddenWindowRecord record = recordFrom(data, size);
    FUZZ_CHECK(parseHiddenWindowRecord(formatHiddenWindowRecord(record)) == record);
    return 0;
}
