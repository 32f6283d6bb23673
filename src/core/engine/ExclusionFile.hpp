#pragma once
// "Exclude.ini" beside the executable: the window exclusions from one run to the next.
#include <cstddef>
#include <string>

#include "engine/ExclusionList.hpp"
#include "platform/Platform.hpp"

namespace umbrix::engine {

inline constexpr const char* kExclusionFileName = "Exclude.ini";

class ExclusionFile {
public:
    explicit ExclusionFile(platform::Platform ports) : ports_(ports) {}

    // The executable's folder followed by "Exclude.ini".
    std::string path();

    // Writes every window exclusion, in list order. The file is replaced in one step: a failure
    // or a crash leaves the previous file whole.
    platform::IoResult saveExclude(const ExclusionList& exclusions);

    // Appends the file's records to the window exclusions; the number appended. A missing or
    // unreadable file appends nothing.
    std::size_t loadLists(ExclusionList& exclusions);

private:
    platform::Platform ports_;
};

}  // namespace umbrix::engine
