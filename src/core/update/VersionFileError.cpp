#include "update/VersionFileError.hpp"

namespace umbrix::update {

namespace {

std::string messageFor(int line, const std::string& detail) {
    if (line == 0) return "Version file: " + detail;
    return "Version file line " + std::to_string(line) + ": " + detail;
}

}  // namespace

VersionFileError::VersionFileError(Problem problem, int line, const std::string& detail)
    : std::runtime_error(messageFor(line, detail)), problem_(problem), line_(line) {}

}  // namespace umbrix::update
