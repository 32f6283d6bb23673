#pragma once
// The exclusion file's bytes: one 768-byte record per window exclusion, back to back, without
// header, count or terminator. A record holds three 256-byte fields (handle text, title,
// process path); a field is a length byte n and 255 bytes whose first n are the text in the
// system's 8-bit code page. Bytes after the last whole record are ignored.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ExclusionList.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::engine {

inline constexpr std::size_t kExclusionFieldSize = 256;
inline constexpr std::size_t kExclusionRecordSize = 3 * kExclusionFieldSize;
inline constexpr std::size_t kMaxFieldCharacters = 255;

// At most the first 255 characters, in the code page, cut further to 255 bytes between two
// characters when the code page needs more than one byte for some; the unused bytes are zero.
std::string encodeExclusionField(platform::TextPort& text, std::string_view utf8);

std::string encodeExclusionRecords(platform::TextPort& text, const std::vector<WindowExclusion>& exclusions);

// The records' exclusions in file order, without icons.
std::vector<WindowExclusion> decodeExclusionRecords(platform::TextPort& text, std::string_view bytes);

}  // namespace umbrix::engine
