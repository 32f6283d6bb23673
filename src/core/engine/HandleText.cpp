#include "engine/HandleText.hpp"

#include <charconv>

namespace umbrix::engine {

std::string handleText(platform::WindowId window) { return std::to_string(window.value); }

platform::WindowId windowFromHandleText(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return platform::WindowId{};
    return platform::WindowId{value};
}

}  // namespace umbrix::engine
