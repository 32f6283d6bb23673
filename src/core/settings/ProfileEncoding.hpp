#pragma once
// The bytes of a profile file and its text. Windows writes these files in the system's 8-bit code
// page, but its profile functions also keep a file that starts with a UTF-8 or UTF-16 byte-order
// mark in that encoding; so do we, so that a file saved as Unicode by an editor is neither misread
// nor mangled by the next save.
#include <string>
#include <string_view>

#include "platform/TextPort.hpp"

namespace umbrix::settings {

enum class ProfileEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct ProfileFileText {
    std::string text;  // UTF-8, without the byte-order mark
    ProfileEncoding encoding = ProfileEncoding::CodePage;
};

// The text of a file's bytes; a missing or empty file is empty code-page text.
ProfileFileText decodeProfileFile(std::string_view bytes, platform::TextPort& codePage);

// The bytes of `text` in `encoding`, with its byte-order mark.
std::string encodeProfileFile(std::string_view text, ProfileEncoding encoding, platform::TextPort& codePage);

}  // namespace umbrix::settings
