#pragma once
// The version file the update server publishes: five text lines describing the latest
// release. One reader, a pure function over the downloaded bytes.
//
//   1  Major.Minor.Release.Build     (further fields ignored)
//   2  Day.Month.Year
//   3  installer address             ("Flag_Platform" becomes the running program's platform)
//   4  installer size in bytes
//   5  second installer address      (the download source; "Flag_Platform" replaced too)
//
// Lines end with CR LF or a lone LF; anything after line 5 is ignored. Fields are split at
// "." and empty fields (two dots in a row, a dot at either end) do not count.
#include <cstdint>
#include <string>
#include <string_view>

#include "update/Version.hpp"
#include "update/VersionFileError.hpp"

namespace umbrix::update {

// The placeholder in the installer addresses that names the processor platform.
inline constexpr std::string_view kPlatformPlaceholder = "Flag_Platform";

// Reads the five lines into a Version (without a platform of its own), replacing every
// "Flag_Platform" (case-sensitive) in the addresses with `platform`. Throws VersionFileError at the first line that is
// not as described; an error page saved in place of the file fails on line 1. A UTF-8 byte-order mark before line 1 is
// skipped, as editors on the server side like to add one.
Version readVersionFile(std::string_view bytes, std::string_view platform);

// Every occurrence of "Flag_Platform" in `address` replaced by `platform`.
std::string replacePlatformPlaceholder(std::string_view address, std::string_view platform);

}  // namespace umbrix::update
