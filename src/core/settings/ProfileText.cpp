#include "settings/ProfileText.hpp"

#include <stdexcept>
#include <vector>

namespace umbrix::settings {

namespace {

// The profile functions' idea of a blank: tab to CR, space, and ^Z (a DOS end-of-file mark).
bool isBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1A'; }

enum class LineKind { Blank, Section, Entry };

// One line of the text, as offsets into it.
struct Line {
    std::size_t begin = 0;  // first character
    std::size_t contentEnd = 0;  // where the line break starts
    std::size_t end = 0;  // after the line break
    LineKind kind = LineKind::Blank;
    std::string_view name;  // section or entry name, trimmed
    std::optional<std::size_t> equalsSign;  // entries: offset of the first "=" in the text
    std::string_view value;  // entries with "=": the value, trimmed
};

Line classify(std::string_view text, std::size_t begin, std::size_t contentEnd, std::size_t end) {
    Line line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.end = end;
    std::string_view content = trimProfileBlanks(text.substr(begin, contentEnd - begin));
    if (content.empty()) return line;
    if (content.front() == '[') {
        std::size_t close = content.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = trimProfileBlanks(content.substr(1, close - 1));
            return line;
        }
    }
    line.kind = LineKind::Entry;
    std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = content;
        return line;
    }
    line.name = trimProfileBlanks(content.substr(0, equals));
    line.value = trimProfileBlanks(content.substr(equals + 1));
    line.equalsSign = static_cast<std::size_t>(content.data() - text.data()) + equals;
    return line;
}

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t contentEnd = text.find_first_of("\r\n", begin);
        std::size_t end;
        if (contentEnd == std::string_view::npos) {
            contentEnd = end = text.size();
        } else {
            const bool crLf = text[contentEnd] == '\r' && contentEnd + 1 < text.size() && text[contentEnd + 1] == '\n';
            end = contentEnd + (crLf ? 2 : 1);
        }
        lines.push_back(classify(text, begin, contentEnd, end));
        begin = end;
    }
    return lines;
}

// The line ending new lines get: the text's first one, LF only if that is LF alone.
std::string_view lineEndingOf(std::string_view text) {
    std::size_t at = text.find_first_of("\r\n");
    if (at != std::string_view::npos && text[at] == '\n') return "\n";
    return "\r\n";
}

std::optional<std::size_t> findSection(const std::vector<Line>& lines, std::string_view section,
                                       const NameEquals& sameName) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && sameName(lines[i].name, section)) return i;
    }
    return std::nullopt;
}

std::string_view removeEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The longest prefix of `value` that is at most `limit` UTF-16 units, without splitting a character.
std::string_view limitUtf16Length(std::string_view value, std::size_t limit) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        auto byte = static_cast<unsigned char>(value[i]);
        if ((byte & 0xC0) == 0x80) continue;  // continuation byte of the character counted before
        std::size_t width = byte >= 0xF0 ? 2 : 1;  // four-byte UTF-8 is a surrogate pair in UTF-16
        if (units + width > limit) return value.substr(0, i);
        units += width;
    }
    return value;
}

void requireStorableName(std::string_view name, bool isKey) {
    auto refuse = [&](const char* why) {
        throw std::invalid_argument(std::string(isKey ? "key" : "section") + " name \"" + std::string(name) + "\" " +
                                    why);
    };
    if (name.empty()) refuse("is empty");
    if (isBlank(name.front()) || isBlank(name.back())) refuse("starts or ends with a blank");
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) refuse("holds a line break");
    if (isKey && name.find('=') != std::string_view::npos) refuse("holds \"=\"");
    if (isKey && (name.front() == '[' || name.front() == ';')) refuse("would read as a section or a comment");
}

std::string storableValue(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return out;
}

}  // namespace

std::string_view trimProfileBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool asciiNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::optional<std::string> readProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            const NameEquals& sameName) {
    section = trimProfileBlanks(section);
    key = trimProfileBlanks(key);
    const std::vector<Line> lines = splitLines(text);
    std::optional<std::size_t> header = findSection(lines, section, sameName);
    if (!header) return std::nullopt;
    for (std::size_t i = *header + 1; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
        const Line& line = lines[i];
        if (line.kind != LineKind::Entry || !sameName(line.name, key)) continue;
        if (!line.equalsSign) return std::nullopt;  // the first entry of the name decides, even without "="
        return std::string(limitUtf16Length(removeEnclosingQuotes(line.value), kMaxProfileValueLength));
    }
    return std::nullopt;
}

std::string writeProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value, const NameEquals& sameName) {
    requireStorableName(section, false);
    requireStorableName(key, true);
    const std::string newValue = storableValue(value);
    const std::string_view newline = lineEndingOf(text);
    const std::vector<Line> lines = splitLines(text);

    std::optional<std::size_t> header = findSection(lines, section, sameName);
    if (!header) {
        std::string out(text);
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += newline;
        out.append("[").append(section).append("]").append(newline);
        out.append(key).append("=").append(newValue).append(newline);
        return out;
    }

    std::size_t lastNonBlank = *header;
    for (std::size_t i = *header + 1; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Blank) continue;
        lastNonBlank = i;
        if (line.kind != LineKind::Entry || !sameName(line.name, key)) continue;

        // Replace the value in place: keep the line's own spelling of the name, its "=" and the
        // blanks after it, and its line ending. A value that brings blanks of its own replaces
        // those blanks, so that writing it again does not add more.
        std::size_t keepUpTo;
        std::string equals;
        if (line.equalsSign) {
            keepUpTo = *line.equalsSign + 1;
            const bool valueStartsWithBlank = !newValue.empty() && isBlank(newValue.front());
            while (!valueStartsWithBlank && keepUpTo < line.contentEnd && isBlank(text[keepUpTo])) ++keepUpTo;
        } else {
            keepUpTo = line.contentEnd;
            while (keepUpTo > line.begin && isBlank(text[keepUpTo - 1])) --keepUpTo;
            equals = "=";
        }
        std::string out(text.substr(0, keepUpTo));
        out.append(equals).append(newValue);
        out.append(text.substr(line.contentEnd));
        return out;
    }

    // A missing key goes after the section's last non-blank line.
    const Line& anchor = lines[lastNonBlank];
    std::string out(text.substr(0, anchor.end));
    if (anchor.end == anchor.contentEnd) out += newline;  // the last line of the text had no line break
    out.append(key).append("=").append(newValue).append(newline);
    out.append(text.substr(anchor.end));
    return out;
}

}  // namespace umbrix::settings
