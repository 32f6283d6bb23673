// The exclusion file ("Exclude.ini"): any bytes read as records, written back and read again;
// and any texts written as a record and read back.
#include <string>
#include <vector>

#include "FuzzTarget.hpp"
#include "text/Utf8.hpp"
#include "engine/ExclusionFileCodec.hpp"
#include "sim/SimText.hpp"

namespace {

using namespace umbrix;
using namespace umbrix::engine;

// The file as the writer makes it: whole records only, each field's unused bytes zero.
std::string withUnusedBytesZero(std::string_view bytes) {
    std::string out;
    for (std::size_t at = 0; at + kExclusionFieldSize <= bytes.size() - bytes.size() % kExclusionRecordSize;
         at += kExclusionFieldSize) {
        std::string field(kExclusionFieldSize, '\0');
        const auto length = static_cast<unsigned char>(bytes[at]);
        field.replace(0, 1 + length, bytes.substr(at, 1 + length));
        out += field;
    }
    return out;
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::SimText codePage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // One exclusion per whole record; written back, the file is the same but for the bytes that
    // carry no meaning, and it reads back the same.
    const std::vector<WindowExclusion> exclusions = decodeExclusionRecords(codePage, bytes);
    FUZZ_CHECK(exclusions.size() == size / kExclusionRecordSize);
    const std::string written = encodeExclusionRecords(codePage, exclusions);
    FUZZ_CHECK(written == withUnusedBytesZero(bytes));
    FUZZ_CHECK(decodeExclusionRecords(codePage, written) == exclusions);

    // Any three texts make one record; each comes back as at most 255 characters, and a text of
    // at most 255 ASCII characters comes back whole.
    fuzz::FuzzInput input(data, size);
    const std::string handle(input.part()), title(input.part()), path(input.rest());
    const std::string record = encodeExclusionRecords(codePage, {WindowExclusion{handle, title, path, std::nullopt}});
    FUZZ_CHECK(record.size() == kExclusionRecordSize);
    const std::vector<WindowExclusion> back = decodeExclusionRecords(codePage, record);
    FUZZ_CHECK(back.size() == 1);
    for (const auto& [original, read] : {std::pair{handle, back.at(0).handleText}, std::pair{title, back.at(0).title},
                                         std::pair{path, back.at(0).processPath}}) {
        FUZZ_CHECK(utf8::decode(read).size() <= kMaxFieldCharacters);
        if (isAscii(original) && original.size() <= kMaxFieldCharacters) FUZZ_CHECK(read == original);
    }
    return 0;
}
