#pragma once
// The text of a Windows profile (INI) file, read and edited the way GetPrivateProfileStringW and
// WritePrivateProfileStringW treat it. Pure: text in, text out, no I/O.
//
// Reading rules:
// - Lines end at CR LF, LF or a lone CR. Blanks (tab, LF, VT, FF, CR, space and the DOS end-of-file
//   mark ^Z) around a line are ignored, and blank lines are skipped.
// - "[name]" starts a section; the name runs to the last "]" of the line and is trimmed. A line
//   that starts with "[" but has no "]" is an ordinary line.
// - Any other line is an entry: the name is the text before the first "=", trimmed; the value is
//   the text after it, trimmed. A line without "=" is an entry without a value (it reads as
//   missing). Comment lines (";...") are entries whose name starts with ";", so no key matches them.
// - Lines before the first section belong to no section.
// - Only the first section of a name is searched, and in it the first entry of the key's name.
// - A value enclosed in one pair of matching single or double quotes loses them; at most
//   kMaxProfileValueLength UTF-16 units are returned.
//
// Editing keeps every other line byte for byte: a present key gets its value replaced in place; a
// missing key is added after the last non-blank line of its section (so blank lines that separate
// sections stay where they are); a missing section is added at the end of the text. New lines use
// the text's own line ending (CR LF when it has none). Keys are never deleted.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace umbrix::settings {

// The longest value a read returns, in UTF-16 units: a 2048-unit buffer with its terminating zero.
inline constexpr std::size_t kMaxProfileValueLength = 2047;

// Decides whether two section or key names are the same name (case-insensitively).
using NameEquals = std::function<bool(std::string_view, std::string_view)>;

// `text` without the blanks around it that reading ignores: tab to CR, space and ^Z.
std::string_view trimProfileBlanks(std::string_view text);

// Case-insensitive for ASCII letters only: for tests and fuzzing. The program compares with the
// locale's rules (common/TextCompare.hpp).
bool asciiNamesEqual(std::string_view a, std::string_view b);

// The value of `key` in `section`, quotes removed and length limited; nullopt when the section,
// the key or its "=" is missing.
std::optional<std::string> readProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            const NameEquals& sameName);

// `text` with `key` in `section` set to `value`. Line breaks and NUL characters in `value` are
// written as spaces so that a value can never add lines to the file. Throws std::invalid_argument
// for a section or key name that the file could not hold (empty, surrounded by blanks, with a line
// break, a key with "=" or starting with "[" or ";").
std::string writeProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value, const NameEquals& sameName);

}  // namespace umbrix::settings
