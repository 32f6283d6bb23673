// The UTF-8 decoder and encoder on any bytes and any code points.
#include <cstring>
#include <string>

#include "FuzzTarget.hpp"
#include "text/Utf8.hpp"

namespace {

bool isCharacter(char32_t c) { return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace umbrix;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Decoding gives characters only, and at most one per byte. ASCII bytes come through one
    // for one, and no other byte turns into ASCII: no ill-formed sequence can make a line break,
    // a quote or an "=" that the bytes do not hold.
    const std::u32string decoded = utf8::decode(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    std::string asciiIn, asciiOut;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) < 0x80) asciiIn += b;
    for (char32_t c : decoded) {
        FUZZ_CHECK(isCharacter(c));
        if (c < 0x80) asciiOut += static_cast<char>(c);
    }
    FUZZ_CHECK(asciiIn == asciiOut);

    // What decodes without a replacement character was well-formed and encodes to the same
    // bytes; anything decoded encodes to well-formed UTF-8 that decodes to the same characters.
    const std::string encoded = utf8::encode(decoded);
    if (decoded.find(U'\uFFFD') == std::u32string::npos) FUZZ_CHECK(encoded == bytes);
    FUZZ_CHECK(utf8::decode(encoded) == decoded);

    // Any code points: characters come back, anything else as U+FFFD.
    std::u32string points(size / sizeof(char32_t), U'\0');
    if (!points.empty()) std::memcpy(points.data(), data, points.size() * sizeof(char32_t));
    const std::u32string back = utf8::decode(utf8::encode(points));
    FUZZ_CHECK(back.size() == points.size());
    for (std::size_t i = 0; i < points.size() && i < back.size(); ++i)
        FUZZ_CHECK(back[i] == (isCharacter(points[i]) ? points[i] : U'\uFFFD'));
    return 0;
}
