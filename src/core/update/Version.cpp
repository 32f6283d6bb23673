#include "update/Version.hpp"

#include <utility>

#include "update/VersionFile.hpp"

namespace umbrix::update {

Version::Version(std::int32_t MajorVersion, std::int32_t MinorVersion, std::int32_t Release, std::int64_t Build,
                 std::string Platform, CivilDate ReleaseDate, std::string UpdateInstallerURL)
    : MajorVersion_(MajorVersion),
      MinorVersion_(MinorVersion),
      Release_(Release),
      Build_(Build),
      Platform_(std::move(Platform)),
      ReleaseDate_(ReleaseDate),
      UpdateInstallerURL_(std::move(UpdateInstallerURL)) {}

int Version::getLatestVersion(const Version& CurrentVersion, std::string_view CheckLatestApplicationVersionURL,
                              std::string_view CheckLatestApplicationVersionPath, platform::NetworkPort& network,
                              platform::FilePort& files,
                              const std::function<void(std::int32_t installerSize)>& onInstallerSize) {
    // Whether a cached copy existed makes no difference: either way the server is asked next.
    network.removeFromUrlCache(CheckLatestApplicationVersionURL);
    if (!network.downloadToFile(CheckLatestApplicationVersionURL, CheckLatestApplicationVersionPath)) return 1;

    auto bytes = files.readFile(CheckLatestApplicationVersionPath);
    if (!bytes) {
        throw VersionFileError(
            VersionFileError::Problem::Unreadable, 0,
            "the downloaded file " + std::string(CheckLatestApplicationVersionPath) + " cannot be opened");
    }
    VersionFileContent content = readVersionFile(*bytes, CurrentVersion.getPlatform());

    MajorVersion_ = content.MajorVersion;
    MinorVersion_ = content.MinorVersion;
    Release_ = content.Release;
    Build_ = content.Build;
    ReleaseDate_ = content.ReleaseDate;
    UpdateInstallerURL_ = std::move(content.UpdateInstallerURL);
    Size_ = content.Size;
    UpdateInstallerURL2_ = std::move(content.UpdateInstallerURL2);
    if (onInstallerSize) onInstallerSize(Size_);

    // The local copy has served its purpose. If it cannot be removed now, the next check
    // overwrites it, so there is nothing for the user to act on.
    files.deleteFile(CheckLatestApplicationVersionPath);
    return 0;
}

}  // namespace umbrix::update
