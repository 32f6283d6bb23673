#include "update/LatestVersion.hpp"

#include <string>

#include "update/VersionFile.hpp"

namespace umbrix::update {

std::optional<Version> downloadLatestVersion(const Version& current, std::string_view url, std::string_view localPath,
                                             platform::NetworkPort& network, platform::FilePort& files) {
    // Whether a cached copy existed makes no difference: either way the server is asked next.
    network.removeFromUrlCache(url);
    if (!network.downloadToFile(url, localPath)) return std::nullopt;

    auto bytes = files.readFile(localPath);
    if (!bytes) {
        throw VersionFileError(VersionFileError::Problem::Unreadable, 0,
                               "the downloaded file " + std::string(localPath) + " cannot be opened");
    }
    Version latest = readVersionFile(*bytes, current.platform);

    // The local copy has served its purpose. If it cannot be removed now, the next check
    // overwrites it, so there is nothing for the user to act on.
    files.deleteFile(localPath);
    return latest;
}

}  // namespace umbrix::update
