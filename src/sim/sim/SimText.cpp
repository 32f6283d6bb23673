#include "sim/SimText.hpp"

#include <algorithm>
#include <array>

#include "text/Utf8.hpp"

namespace umbrix::sim {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined ones, which Windows maps to the C1
// control of the same number and back.
constexpr std::array<char32_t, 32> kCp1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;  // Latin-1
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
        bool oddLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddLower ? (c % 2 == 0) : (c % 2 == 1)) return c - 1;  // Latin Extended-A pairs
        return c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;  // Greek
    if (c >= 0x430 && c <= 0x44F) return c - 32;  // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

}  // namespace

std::string SimText::upperCase(std::string_view utf8) {
    // ASCII, as nearly every name the program compares is, needs no decoding.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string out(utf8);
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return out;
    }
    std::u32string text = utf8::decode(utf8);
    for (char32_t& c : text) c = upper(c);
    return utf8::encode(text);
}

std::string SimText::toCodePage(std::string_view utf8) {
    std::string out;
    for (char32_t c : utf8::decode(utf8)) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
            const char32_t at = kCp1252High[i] ? kCp1252High[i] : char32_t(0x80 + i);
            if (at == c) mapped = static_cast<char>(0x80 + i);
        }
        out += mapped;
    }
    return out;
}

std::string SimText::fromCodePage(std::string_view bytes) {
    std::u32string text;
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b < 0xA0)
            text += kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : char32_t(b);
        else
            text += char32_t(b);
    }
    return utf8::encode(text);
}

}  // namespace umbrix::sim
