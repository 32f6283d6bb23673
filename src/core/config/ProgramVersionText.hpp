#pragma once
// The FileVersion text of the program's version resource: four numbers separated by dots, or
// by commas as resource scripts write them ("7.1.1.98", "7, 1, 1, 98").
#include <cstdint>
#include <string>
#include <string_view>

namespace umbrix::config {

struct ProgramVersionText {
    // The four parts as written, blanks removed: the title shows them unchanged.
    std::string Major, Minor, Release, Build;
    std::int32_t MajorVersion = 0;
    std::int32_t MinorVersion = 0;
    std::int32_t ReleaseNumber = 0;
    std::int64_t BuildNumber = 0;
};

// Throws ConfigurationError unless the text has exactly four parts that are decimal numbers.
ProgramVersionText parseProgramVersionText(std::string_view text);

// "Umbrix: " + Major + "." + Minor + "." + Release + ". Build " + Build.
std::string titleCaptionFor(const ProgramVersionText& version);

}  // namespace umbrix::config
