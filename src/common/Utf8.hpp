#pragma once
// UTF-8 to code points and back. Invalid bytes decode as U+FFFD.
#include <string>
#include <string_view>

namespace umbrix::utf8 {

std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);

}  // namespace umbrix::utf8
