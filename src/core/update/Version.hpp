#pragma once
// A version of the program: the running one's (from its version resource) or the latest
// published one (read from the update server's version file). Releases are compared by build
// number alone.
#include <cstdint>
#include <string>

#include "update/CivilDate.hpp"

namespace umbrix::update {

struct Version {
    std::int32_t majorVersion = 0;
    std::int32_t minorVersion = 0;
    std::int32_t release = 0;
    std::int64_t build = 0;
    CivilDate releaseDate{};  // empty in the empty record
    std::string installerUrl{};  // the update installer; the running program's is empty
    std::int32_t installerSize = 0;  // in bytes: the download's progress maximum
    std::string installerUrl2{};  // the second installer address, the download source
    // The processor platform ("x86") of the running program. A published version has none: its
    // addresses already name the running program's.
    std::string platform{};

    // True when `other`'s build is lower than this one's. Called as
    // latest.isNewerThan(current); the other numbers and the date play no part.
    bool isNewerThan(const Version& other) const { return other.build < build; }

    friend bool operator==(const Version&, const Version&) = default;
};

}  // namespace umbrix::update
