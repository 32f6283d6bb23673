#pragma once
// Typed values of the settings file: how integers and booleans are written and read back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace umbrix::settings {

// A signed 32-bit integer from its text: decimal with an optional "+" or "-", or hexadecimal
// after "0x", "0X" or "$" (at most 0xFFFFFFFF, taken as the 32-bit pattern: "$FFFFFFFF" is -1).
// Anything else, a decimal number outside the 32-bit range included, is not an integer: nullopt.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

// What a read yields for a key that holds `text` (nullopt: missing), given the key's default.
std::int32_t decodeProfileInteger(const std::optional<std::string>& text, std::int32_t defaultValue);
// Booleans are integers: non-zero is true; a value that is not an integer gives the default.
bool decodeProfileBool(const std::optional<std::string>& text, bool defaultValue);

// Written forms: decimal, and "1" / "0".
std::string encodeProfileInteger(std::int32_t value);
std::string encodeProfileBool(bool value);

}  // namespace umbrix::settings
