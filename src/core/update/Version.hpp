#pragma once
// A version record: the running program's (CurrentVersion) or the latest published one, read
// from the update server's version file. Releases are compared by build number alone.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/FilePort.hpp"
#include "platform/NetworkPort.hpp"
#include "update/CivilDate.hpp"

namespace umbrix::update {

class Version {
public:
    // The empty record: every number 0, every text empty, no date.
    Version() = default;
    Version(std::int32_t MajorVersion, std::int32_t MinorVersion, std::int32_t Release, std::int64_t Build,
            std::string Platform, CivilDate ReleaseDate, std::string UpdateInstallerURL);

    std::int32_t getMajorVersion() const { return MajorVersion_; }
    std::int32_t getMinorVersion() const { return MinorVersion_; }
    std::int32_t getRelease() const { return Release_; }
    std::int64_t getBuild() const { return Build_; }
    const std::string& getPlatform() const { return Platform_; }
    const CivilDate& getReleaseDate() const { return ReleaseDate_; }
    std::int32_t getSize() const { return Size_; }
    const std::string& getUpdateInstallerURL() const { return UpdateInstallerURL_; }
    const std::string& getUpdateInstallerURL2() const { return UpdateInstallerURL2_; }

    // Fills this record from the version file at `CheckLatestApplicationVersionURL`:
    // drops the address from the URL cache, downloads it to `CheckLatestApplicationVersionPath`,
    // reads it and deletes the local copy. Returns 0 when the file was downloaded and read, 1
    // when the download failed (record and local file as they were).
    //
    // A file that downloads but cannot be read as a version file throws VersionFileError; the
    // record then keeps all its previous values (a half-filled record could announce a new
    // build without its installer address) and the local copy stays for inspection.
    //
    // On success `onInstallerSize` receives the installer size of line 4, for the download's
    // progress maximum. The platform for "Flag_Platform" comes from `CurrentVersion`.
    int getLatestVersion(const Version& CurrentVersion, std::string_view CheckLatestApplicationVersionURL,
                         std::string_view CheckLatestApplicationVersionPath, platform::NetworkPort& network,
                         platform::FilePort& files,
                         const std::function<void(std::int32_t installerSize)>& onInstallerSize = {});

    // True when `ComparedVersion`'s build is lower than this record's. Called as
    // LatestVersion.isNewerVersion(CurrentVersion); the other numbers and the date play no part.
    bool isNewerVersion(const Version& ComparedVersion) const { return ComparedVersion.Build_ < Build_; }

private:
    std::int32_t MajorVersion_ = 0;
    std::int32_t MinorVersion_ = 0;
    std::int32_t Release_ = 0;
    std::int64_t Build_ = 0;
    std::int32_t Size_ = 0;
    std::string Platform_;
    CivilDate ReleaseDate_;
    std::string UpdateInstallerURL_;
    std::string UpdateInstallerURL2_;
};

}  // namespace umbrix::update
