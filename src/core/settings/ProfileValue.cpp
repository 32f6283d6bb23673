#include "settings/ProfileValue.hpp"

namespace umbrix::settings {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // A hexadecimal value is a 32-bit pattern: the upper half of the range reads as negative.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> parseProfileInteger(std::string_view text) {
    if (!text.empty() && text.front() == '$') return parseHex(text.substr(1));
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return parseHex(text.substr(2));
    return parseDecimal(text);
}

std::int32_t decodeProfileInteger(const std::optional<std::string>& text, std::int32_t defaultValue) {
    if (!text) return defaultValue;
    return parseProfileInteger(*text).value_or(defaultValue);
}

bool decodeProfileBool(const std::optional<std::string>& text, bool defaultValue) {
    if (!text) return defaultValue;
    std::optional<std::int32_t> value = parseProfileInteger(*text);
    return value ? *value != 0 : defaultValue;
}

std::string encodeProfileInteger(std::int32_t value) { return std::to_string(value); }

std::string encodeProfileBool(bool value) { return value ? "1" : "0"; }

}  // namespace umbrix::settings
