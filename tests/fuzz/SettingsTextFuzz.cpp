// The settings file's text codec: the bytes of a profile file to its text and back, and reading
// and writing one key in that text.
//
// Input: section, key, value, another section, another key (each ended by 0x1E), then the file.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "FuzzTarget.hpp"
#include "SettingsProperties.hpp"
#include "text/Utf8.hpp"
#include "sim/SimText.hpp"
#include "settings/ProfileEncoding.hpp"
#include "settings/ProfileText.hpp"

namespace {

using namespace umbrix;
using namespace umbrix::settings;

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (char32_t c : utf8::decode(utf8)) units += c >= 0x10000 ? 2 : 1;
    return units;
}

bool wellFormed(std::string_view text) { return utf8::encode(utf8::decode(text)) == text; }

// Names and values come from the program, which holds well-formed UTF-8 only.
std::string wellFormedPart(fuzz::FuzzInput& input) { return utf8::encode(utf8::decode(input.part())); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string section = wellFormedPart(input), key = wellFormedPart(input), value = wellFormedPart(input);
    const std::string otherSection = wellFormedPart(input), otherKey = wellFormedPart(input);
    const std::string_view bytes = input.rest();
    sim::SimText codePage;

    // The text of any file is well-formed UTF-8. A UTF-8 or code-page file has exactly the line
    // breaks its bytes have: no ill-formed byte becomes one.
    const ProfileFileText file = decodeProfileFile(bytes, codePage);
    FUZZ_CHECK(wellFormed(file.text));
    if (file.encoding == ProfileEncoding::Utf8 || file.encoding == ProfileEncoding::CodePage) {
        for (char lineBreak : {'\r', '\n'})
            FUZZ_CHECK(std::count(file.text.begin(), file.text.end(), lineBreak) ==
                       std::count(bytes.begin(), bytes.end(), lineBreak));
    }

    // A read gives well-formed text within the length limit.
    const auto before = readProfileValue(file.text, section, key, asciiNamesEqual);
    if (before) FUZZ_CHECK(wellFormed(*before) && utf16Length(*before) <= kMaxProfileValueLength);

    std::string written;
    try {
        written = writeProfileValue(file.text, section, key, value, asciiNamesEqual);
    } catch (const std::invalid_argument&) {
        return 0;  // a name the file cannot hold
    }

    // The key reads back as a part of the value written (reading takes off blanks and a pair of
    // quotes around it and stops at the length limit; line breaks and NULs are written as spaces).
    const auto after = readProfileValue(written, section, key, asciiNamesEqual);
    FUZZ_CHECK(after.has_value());
    if (after) FUZZ_CHECK(fuzz::asWritten(value).find(*after) != std::string::npos);

    // No other key changes: whatever the value holds, it adds no line.
    const bool sameKey =
        asciiNamesEqual(trimProfileBlanks(otherSection), section) && asciiNamesEqual(trimProfileBlanks(otherKey), key);
    if (!sameKey)
        FUZZ_CHECK(readProfileValue(file.text, otherSection, otherKey, asciiNamesEqual) ==
                   readProfileValue(written, otherSection, otherKey, asciiNamesEqual));

    // Writing the same value again changes nothing.
    FUZZ_CHECK(writeProfileValue(written, section, key, value, asciiNamesEqual) == written);

    // The file keeps its encoding through a save. A Unicode file keeps every character; the code
    // page turns what it lacks into "?" once, and the text read back from it is then stable.
    const std::string saved = encodeProfileFile(written, file.encoding, codePage);
    const ProfileFileText reread = decodeProfileFile(saved, codePage);
    FUZZ_CHECK(reread.encoding == file.encoding);
    if (file.encoding != ProfileEncoding::CodePage)
        FUZZ_CHECK(reread.text == written);
    else
        FUZZ_CHECK(encodeProfileFile(reread.text, file.encoding, codePage) == saved);
    return 0;
}
