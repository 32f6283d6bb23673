#pragma once
// What the settings targets expect of a written value.
#include <string>
#include <string_view>

namespace umbrix::fuzz {

// A value as the settings file holds it: line breaks and NULs are written as spaces, so that a
// value can never add a line.
inline std::string asWritten(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return text;
}

}  // namespace umbrix::fuzz
