#include "config/ProgramVersionText.hpp"

#include <algorithm>
#include <vector>

#include "config/ConfigurationError.hpp"
#include "update/DecimalNumber.hpp"

namespace umbrix::config {

namespace {

constexpr const char* kPartNames[] = {"major version", "minor version", "release", "build"};

[[noreturn]] void fail(std::string_view text, const std::string& problem) {
    throw ConfigurationError("The program's version resource reads \"" + std::string(text) + "\": " + problem);
}

template <class Int>
Int numberOf(std::string_view text, const std::string& part, std::size_t index) {
    Int value = 0;
    if (update::parseDecimal(part, value) != update::NumberProblem::None) {
        fail(text, std::string("the ") + kPartNames[index] + " \"" + part + "\" is not a number");
    }
    return value;
}

}  // namespace

ProgramVersionText parseProgramVersionText(std::string_view text) {
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');

    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        std::size_t dot = dotted.find('.', start);
        parts.emplace_back(update::trimBlanks(std::string_view(dotted).substr(start, dot - start)));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() != 4) fail(text, "it has " + std::to_string(parts.size()) + " parts instead of 4");

    ProgramVersionText version{parts[0], parts[1], parts[2], parts[3]};
    version.MajorVersion = numberOf<std::int32_t>(text, parts[0], 0);
    version.MinorVersion = numberOf<std::int32_t>(text, parts[1], 1);
    version.ReleaseNumber = numberOf<std::int32_t>(text, parts[2], 2);
    version.BuildNumber = numberOf<std::int64_t>(text, parts[3], 3);
    return version;
}

std::string titleCaptionFor(const ProgramVersionText& version) {
    return "Umbrix: " + version.Major + "." + version.Minor + "." + version.Release + ". Build " + version.Build;
}

}  // namespace umbrix::config
