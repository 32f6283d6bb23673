#pragma once
// A simulated network with a scriptable update server and the URL cache in front of it.
// Downloads land in the simulated file system, with its faults.
#include <map>
#include <string>
#include <vector>

#include "platform/NetworkPort.hpp"
#include "sim/SimFileSystem.hpp"

namespace umbrix::sim {

class SimNetwork final : public platform::NetworkPort {
public:
    explicit SimNetwork(SimFileSystem& files) : files_(files) {}

    bool removeFromUrlCache(std::string_view url) override;
    platform::DownloadResult downloadToFile(std::string_view url, std::string_view path) override;

    // The server, by exact address. An address that is not published fails to download as an
    // unknown host does.
    void publish(std::string_view url, std::string bytes);
    // The server answers with an HTTP error and an HTML page. The download reports success and
    // saves the page, as URLDownloadToFileW does on the machines we test on.
    void publishErrorPage(std::string_view url, int status = 404);
    // Every download of `url` fails with `hresult` (server down, connection refused).
    void failDownloads(std::string_view url, std::uint32_t hresult = platform::download_errors::kDownloadFailure);
    void withdraw(std::string_view url);

    // What happened.
    struct Call {
        enum class Kind { RemoveFromCache, Download };
        Kind kind;
        std::string url;
        std::string path;  // downloads only
    };
    const std::vector<Call>& calls() const { return calls_; }
    int serverRequests(std::string_view url) const;
    bool isCached(std::string_view url) const { return cache_.count(std::string(url)) != 0; }

private:
    struct Answer {
        enum class Kind { Content, ErrorPage, Failure };
        Kind kind = Kind::Failure;
        std::string bytes;
        std::uint32_t hresult = 0;
    };

    SimFileSystem& files_;
    std::map<std::string, Answer> server_;
    std::map<std::string, std::string> cache_;
    std::map<std::string, int> requests_;
    std::vector<Call> calls_;
};

}  // namespace umbrix::sim
