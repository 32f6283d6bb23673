#include "update/VersionFile.hpp"

#include <vector>

#include "text/Utf8.hpp"
#include "update/DecimalNumber.hpp"

namespace umbrix::update {

namespace {

using Problem = VersionFileError::Problem;

constexpr int kLineCount = 5;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The first `count` lines; a line ends at LF, and a CR right before it (or at the very end of
// the file) belongs to the line end.
std::vector<std::string_view> firstLines(std::string_view bytes, int count) {
    std::vector<std::string_view> lines;
    while (!bytes.empty() && static_cast<int>(lines.size()) < count) {
        std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string_view> nonEmptyFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        std::size_t dot = line.find('.');
        std::string_view field = line.substr(0, dot);
        if (!field.empty()) fields.push_back(field);
        if (dot == std::string_view::npos) break;
        line.remove_prefix(dot + 1);
    }
    return fields;
}

// The server's text in a message: its first 40 characters, every control character (DEL and the
// C1 controls too) written as \xHH and a backslash as \\. So the message reads unambiguously,
// carries no terminal or line control and never ends in half a character; bytes that are not
// UTF-8 show as U+FFFD.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    const std::u32string characters = utf8::decode(text);
    std::u32string shown;
    for (char32_t c : std::u32string_view(characters).substr(0, kShown)) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            shown += U"\\x";
            shown += static_cast<char32_t>(kHexDigits[c >> 4]);
            shown += static_cast<char32_t>(kHexDigits[c & 0xF]);
        } else if (c == U'\\') {
            shown += U"\\\\";
        } else {
            shown += c;
        }
    }
    return "\"" + utf8::encode(shown) + (characters.size() > kShown ? "...\"" : "\"");
}

template <class Int>
Int numberOn(int line, std::string_view what, std::string_view text) {
    Int value = 0;
    switch (parseDecimal(text, value)) {
        case NumberProblem::None: return value;
        case NumberProblem::OutOfRange:
            throw VersionFileError(Problem::OutOfRange, line,
                                   std::string(what) + " " + quoted(text) + " is out of range for a " +
                                       std::to_string(sizeof(Int) * 8) + "-bit number");
        case NumberProblem::NotANumber: break;
    }
    throw VersionFileError(Problem::NotANumber, line,
                           std::string(what) + " " + quoted(text) + " is not a decimal number");
}

std::vector<std::string_view> fieldsOn(int line, std::string_view text, std::size_t needed, std::string_view form) {
    auto fields = nonEmptyFields(text);
    if (fields.size() < needed) {
        throw VersionFileError(Problem::TooFewFields, line,
                               quoted(text) + " has " + std::to_string(fields.size()) + " of the " +
                                   std::to_string(needed) + " fields of " + std::string(form));
    }
    return fields;
}

}  // namespace

std::string replacePlatformPlaceholder(std::string_view address, std::string_view platform) {
    std::string result;
    for (;;) {
        std::size_t at = address.find(kPlatformPlaceholder);
        result += address.substr(0, at);
        if (at == std::string_view::npos) return result;
        result += platform;
        address.remove_prefix(at + kPlatformPlaceholder.size());
    }
}

Version readVersionFile(std::string_view bytes, std::string_view platform) {
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    const auto lines = firstLines(bytes, kLineCount);
    // Line by line, so that the first line that is wrong is the one reported.
    auto line = [&lines](int number) {
        if (number > static_cast<int>(lines.size())) {
            throw VersionFileError(Problem::MissingLine, number,
                                   "missing; the file ends after " + std::to_string(lines.size()) + " of " +
                                       std::to_string(kLineCount) + " lines");
        }
        return lines[number - 1];
    };

    Version content;

    auto version = fieldsOn(1, line(1), 4, "Major.Minor.Release.Build");
    content.majorVersion = numberOn<std::int32_t>(1, "major version", version[0]);
    content.minorVersion = numberOn<std::int32_t>(1, "minor version", version[1]);
    content.release = numberOn<std::int32_t>(1, "release", version[2]);
    content.build = numberOn<std::int64_t>(1, "build", version[3]);

    auto date = fieldsOn(2, line(2), 3, "Day.Month.Year");
    const auto day = numberOn<std::int32_t>(2, "day", date[0]);
    const auto month = numberOn<std::int32_t>(2, "month", date[1]);
    const auto year = numberOn<std::int32_t>(2, "year", date[2]);
    auto releaseDate = CivilDate::from(year, month, day);
    if (!releaseDate) {
        throw VersionFileError(Problem::NoSuchDate, 2, quoted(line(2)) + " is not a calendar date");
    }
    content.releaseDate = *releaseDate;

    content.installerUrl = replacePlatformPlaceholder(line(3), platform);
    content.installerSize = numberOn<std::int32_t>(4, "installer size", line(4));
    content.installerUrl2 = replacePlatformPlaceholder(line(5), platform);
    return content;
}

}  // namespace umbrix::update
