#pragma once
// The one case-insensitive comparison of the program: both sides upper-cased with the user's
// locale rules, then compared whole.
#include <string_view>

#include "platform/TextPort.hpp"

namespace umbrix {

inline bool sameText(platform::TextPort& text, std::string_view a, std::string_view b) {
    return text.upperCase(a) == text.upperCase(b);
}

}  // namespace umbrix
