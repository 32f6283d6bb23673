#include "engine/ExclusionFile.hpp"

#include "common/AtomicFile.hpp"
#include "common/BesideExecutable.hpp"
#include "engine/ExclusionFileCodec.hpp"

namespace umbrix::engine {

std::string ExclusionFile::path() { return fileBesideExecutable(ports_.system.executablePath(), kExclusionFileName); }

platform::IoResult ExclusionFile::saveExclude(const ExclusionList& exclusions) {
    return writeFileAtomically(ports_.files, path(), encodeExclusionRecords(ports_.text, exclusions.windows.entries()));
}

std::size_t ExclusionFile::loadLists(ExclusionList& exclusions) {
    // Read whether or not the file could be written too: a read-only file still names the
    // windows the user wants left alone.
    auto bytes = ports_.files.readFile(path());
    if (!bytes) return 0;
    auto loaded = decodeExclusionRecords(ports_.text, *bytes);
    for (auto& exclusion : loaded) exclusions.windows.append(std::move(exclusion));
    return loaded.size();
}

}  // namespace umbrix::engine
