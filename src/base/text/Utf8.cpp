#include "text/Utf8.hpp"

namespace umbrix::utf8 {

namespace {

// What a lead byte promises: how many continuation bytes follow, and the range the first of
// them must fall in. Narrowing that range is what keeps out the overlong forms (E0, F0), the
// surrogates (ED) and everything above U+10FFFF (F4); the other continuation bytes are 80..BF.
struct Lead {
    int continuations = -1;  // -1: not a lead byte (80..C1, F5..FF)
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
};

Lead leadOf(unsigned char b) {
    if (b < 0x80) return {0};
    if (b < 0xC2) return {};
    if (b < 0xE0) return {1};
    if (b == 0xE0) return {2, 0xA0, 0xBF};
    if (b == 0xED) return {2, 0x80, 0x9F};
    if (b < 0xF0) return {2};
    if (b == 0xF0) return {3, 0x90, 0xBF};
    if (b < 0xF4) return {3};
    if (b == 0xF4) return {3, 0x80, 0x8F};
    return {};
}

}  // namespace

// An ill-formed sequence gives one U+FFFD for each of its maximal subparts: the longest start of
// a well-formed sequence that the bytes hold, or one byte where no well-formed sequence starts.
// So a truncated character is one U+FFFD, while C0 AF or ED A0 80 (an overlong "/", a
// surrogate) give one per byte, and the byte that broke a sequence is read again on its own.
std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const Lead lead = leadOf(b);
        if (lead.continuations < 0) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t c = lead.continuations == 0 ? b : (b & (0x3F >> lead.continuations));
        std::size_t taken = 1;
        for (int k = 1; k <= lead.continuations && i + taken < text.size(); ++k) {
            const auto cont = static_cast<unsigned char>(text[i + taken]);
            const unsigned char min = k == 1 ? lead.secondMin : 0x80;
            const unsigned char max = k == 1 ? lead.secondMax : 0xBF;
            if (cont < min || cont > max) break;
            c = (c << 6) | (cont & 0x3F);
            ++taken;
        }
        out += taken == static_cast<std::size_t>(lead.continuations) + 1 ? c : U'\uFFFD';
        i += taken;
    }
    return out;
}

std::string encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = U'\uFFFD';  // no character: not writable
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace umbrix::utf8
