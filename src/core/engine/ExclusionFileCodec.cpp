#include "engine/ExclusionFileCodec.hpp"

#include "text/Utf8.hpp"

namespace umbrix::engine {

std::string encodeExclusionField(platform::TextPort& text, std::string_view utf8) {
    std::u32string characters = utf8::decode(utf8);
    if (characters.size() > kMaxFieldCharacters) characters.resize(kMaxFieldCharacters);
    std::string bytes = text.toCodePage(utf8::encode(characters));
    // A double-byte code page may need more than 255 bytes: whole characters go until it fits,
    // so that the field never ends in half a character.
    while (bytes.size() > kMaxFieldCharacters && !characters.empty()) {
        characters.pop_back();
        bytes = text.toCodePage(utf8::encode(characters));
    }
    std::string field(kExclusionFieldSize, '\0');
    field[0] = static_cast<char>(bytes.size());
    field.replace(1, bytes.size(), bytes);
    return field;
}

std::string encodeExclusionRecords(platform::TextPort& text, const std::vector<WindowExclusion>& exclusions) {
    std::string bytes;
    bytes.reserve(exclusions.size() * kExclusionRecordSize);
    for (const WindowExclusion& exclusion : exclusions) {
        bytes += encodeExclusionField(text, exclusion.handleText);
        bytes += encodeExclusionField(text, exclusion.title);
        bytes += encodeExclusionField(text, exclusion.processPath);
    }
    return bytes;
}

namespace {

std::string decodeField(platform::TextPort& text, std::string_view field) {
    const auto length = static_cast<unsigned char>(field[0]);
    return text.fromCodePage(field.substr(1, length));
}

}  // namespace

std::vector<WindowExclusion> decodeExclusionRecords(platform::TextPort& text, std::string_view bytes) {
    std::vector<WindowExclusion> exclusions;
    for (std::size_t at = 0; at + kExclusionRecordSize <= bytes.size(); at += kExclusionRecordSize) {
        std::string_view record = bytes.substr(at, kExclusionRecordSize);
        exclusions.push_back(WindowExclusion{decodeField(text, record.substr(0, kExclusionFieldSize)),
                                             decodeField(text, record.substr(kExclusionFieldSize, kExclusionFieldSize)),
                                             decodeField(text, record.substr(2 * kExclusionFieldSize)), std::nullopt});
    }
    return exclusions;
}

}  // namespace umbrix::engine
