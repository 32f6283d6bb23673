#pragma once
// Replaces a file's whole content so that a crash, a kill or a full disk at any moment leaves
// either the old file or the new one on disk, never a torn or empty mix.
#include <string>
#include <string_view>

#include "platform/FilePort.hpp"

namespace umbrix {

// The temporary file written beside `path` before it takes the file's place.
std::string temporaryPathFor(std::string_view path);

// Writes `bytes` to the temporary file, flushes it and swaps it in. On failure the previous
// file is untouched and the temporary file is removed when possible.
platform::IoResult writeFileAtomically(platform::FilePort& files, std::string_view path, std::string_view bytes);

}  // namespace umbrix
