#pragma once
// The latest published version, fetched from the update server: the version file downloaded,
// read into a Version, and its local copy removed.
#include <optional>
#include <string_view>

#include "platform/FilePort.hpp"
#include "platform/NetworkPort.hpp"
#include "update/Version.hpp"

namespace umbrix::update {

// Drops `url` from the URL cache, downloads it to `localPath`, reads it and deletes the local
// copy: the latest version, with the installer addresses filled for `current`'s platform.
// nullopt when the download failed (the local file as it was).
//
// A file that downloads but cannot be read as a version file throws VersionFileError: the
// caller's record keeps all its previous values (a half-filled record could announce a new
// build without its installer address) and the local copy stays for inspection.
std::optional<Version> downloadLatestVersion(const Version& current, std::string_view url, std::string_view localPath,
                                             platform::NetworkPort& network, platform::FilePort& files);

}  // namespace umbrix::update
