#pragma once
// UTF-8 (the core's text) to UTF-16 (the W functions) and back. Only the Win32 adapters and views use it.
#include <string>
#include <string_view>

namespace umbrix::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace umbrix::win32
