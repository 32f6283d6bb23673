#include "sim/SimNetwork.hpp"

namespace umbrix::sim {

using platform::DownloadResult;

namespace {

// HRESULT_FROM_WIN32: how the URL stack reports a file it could not write.
std::uint32_t fromWin32(std::uint32_t error) { return 0x80070000u | (error & 0xFFFFu); }

std::string errorPage(int status) {
    const std::string code = std::to_string(status);
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\r\n<html><head><title>Error " + code +
           "</title></head>\r\n<body><h1>Error " + code + "</h1></body></html>\r\n";
}

}  // namespace

bool SimNetwork::removeFromUrlCache(std::string_view url) {
    calls_.push_back({Call::Kind::RemoveFromCache, std::string(url), {}});
    return cache_.erase(std::string(url)) != 0;
}

DownloadResult SimNetwork::downloadToFile(std::string_view url, std::string_view path) {
    calls_.push_back({Call::Kind::Download, std::string(url), std::string(path)});
    const std::string key(url);

    std::string bytes;
    if (auto cached = cache_.find(key); cached != cache_.end()) {
        bytes = cached->second;  // a cached copy is used without asking the server
    } else {
        ++requests_[key];
        auto answer = server_.find(key);
        if (answer == server_.end()) return DownloadResult::failure(platform::download_errors::kResourceNotFound);
        if (answer->second.kind == Answer::Kind::Failure) return DownloadResult::failure(answer->second.hresult);
        bytes = answer->second.bytes;
        if (answer->second.kind == Answer::Kind::Content) cache_[key] = bytes;
    }

    auto written = files_.writeFileThrough(path, bytes);
    if (!written) return DownloadResult::failure(fromWin32(written.error));
    return DownloadResult::success();
}

void SimNetwork::publish(std::string_view url, std::string bytes) {
    server_[std::string(url)] = Answer{Answer::Kind::Content, std::move(bytes), 0};
}

void SimNetwork::publishErrorPage(std::string_view url, int status) {
    server_[std::string(url)] = Answer{Answer::Kind::ErrorPage, errorPage(status), 0};
}

void SimNetwork::failDownloads(std::string_view url, std::uint32_t hresult) {
    server_[std::string(url)] = Answer{Answer::Kind::Failure, {}, hresult};
}

void SimNetwork::withdraw(std::string_view url) { server_.erase(std::string(url)); }

int SimNetwork::serverRequests(std::string_view url) const {
    auto it = requests_.find(std::string(url));
    return it == requests_.end() ? 0 : it->second;
}

}  // namespace umbrix::sim
