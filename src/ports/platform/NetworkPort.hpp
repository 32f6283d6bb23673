#pragma once
// The update server, reached over HTTP through the system's URL stack (WinINet, urlmon).
#include <cstdint>
#include <string_view>

namespace umbrix::platform {

// Outcome of a download: S_OK, or the failing HRESULT.
struct DownloadResult {
    std::uint32_t hresult = 0;

    static DownloadResult success() { return {}; }
    static DownloadResult failure(std::uint32_t code) { return {code == 0 ? kEFail : code}; }
    bool ok() const { return hresult == 0; }
    explicit operator bool() const { return ok(); }

    static constexpr std::uint32_t kEFail = 0x80004005;  // E_FAIL
};

// HRESULTs of the URL stack that the sim reports as Windows does.
namespace download_errors {
inline constexpr std::uint32_t kDownloadFailure = 0x800C0008;  // INET_E_DOWNLOAD_FAILURE (refused, reset)
inline constexpr std::uint32_t kResourceNotFound = 0x800C0005;  // INET_E_RESOURCE_NOT_FOUND
}  // namespace download_errors

class NetworkPort {
public:
    NetworkPort() = default;
    NetworkPort(const NetworkPort&) = delete;
    NetworkPort& operator=(const NetworkPort&) = delete;
    virtual ~NetworkPort() = default;

    // DeleteUrlCacheEntryW: drops the cached copy of `url` from the WinINet cache, so that the
    // next download asks the server. False when there was no such entry or it stayed.
    virtual bool removeFromUrlCache(std::string_view url) = 0;

    // URLDownloadToFileW(NULL, url, path, 0, NULL): fetches `url` into the file `path`,
    // replacing it, and returns when done. Success means the file is at `path`. Note that an
    // HTTP error status may still report success with the server's error page saved: callers
    // check what they got.
    virtual DownloadResult downloadToFile(std::string_view url, std::string_view path) = 0;
};

}  // namespace umbrix::platform
