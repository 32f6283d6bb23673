#pragma once
// The window engine names a window by its handle written as unsigned decimal text: the lists
// store that form and every lookup compares texts.
#include <string>
#include <string_view>

#include "platform/WindowId.hpp"

namespace umbrix::engine {

// Unsigned decimal, without sign or leading zeros.
std::string handleText(platform::WindowId window);

// Reads a handle text back; text that is not an unsigned decimal number gives WindowId{}.
platform::WindowId windowFromHandleText(std::string_view text);

}  // namespace umbrix::engine
