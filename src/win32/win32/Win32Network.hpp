#pragma once
#include "platform/NetworkPort.hpp"

namespace umbrix::win32 {

class Win32Network final : public platform::NetworkPort {
public:
    bool removeFromUrlCache(std::string_view url) override;
    platform::DownloadResult downloadToFile(std::string_view url, std::string_view path) override;
};

}  // namespace umbrix::win32
