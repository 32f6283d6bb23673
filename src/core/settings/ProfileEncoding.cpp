#include "settings/ProfileEncoding.hpp"

#include "text/Utf8.hpp"

namespace umbrix::settings {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool startsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::u32string text;
    text.reserve(bytes.size() / 2);
    auto unitAt = [&](std::size_t i) -> char32_t {
        auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t(first) << 8 | second) : (char32_t(second) << 8 | first);
    };
    // A trailing odd byte is not a whole character and is dropped.
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                text += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        text += (unit >= 0xD800 && unit <= 0xDFFF) ? U'\uFFFD' : unit;
    }
    return utf8::encode(text);
}

std::string utf8ToUtf16(std::string_view text, bool bigEndian) {
    std::string bytes;
    auto put = [&](char32_t unit) {
        char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    for (char32_t c : utf8::decode(text)) {
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return bytes;
}

}  // namespace

ProfileFileText decodeProfileFile(std::string_view bytes, platform::TextPort& codePage) {
    if (startsWith(bytes, kUtf8Mark))
        return {utf8::encode(utf8::decode(bytes.substr(kUtf8Mark.size()))), ProfileEncoding::Utf8};
    if (startsWith(bytes, kUtf16LittleEndianMark))
        return {utf16ToUtf8(bytes.substr(2), false), ProfileEncoding::Utf16LittleEndian};
    if (startsWith(bytes, kUtf16BigEndianMark))
        return {utf16ToUtf8(bytes.substr(2), true), ProfileEncoding::Utf16BigEndian};
    return {codePage.fromCodePage(bytes), ProfileEncoding::CodePage};
}

std::string encodeProfileFile(std::string_view text, ProfileEncoding encoding, platform::TextPort& codePage) {
    switch (encoding) {
        case ProfileEncoding::Utf8: return std::string(kUtf8Mark) + std::string(text);
        case ProfileEncoding::Utf16LittleEndian: return std::string(kUtf16LittleEndianMark) + utf8ToUtf16(text, false);
        case ProfileEncoding::Utf16BigEndian: return std::string(kUtf16BigEndianMark) + utf8ToUtf16(text, true);
        case ProfileEncoding::CodePage: break;
    }
    return codePage.toCodePage(text);
}

}  // namespace umbrix::settings
