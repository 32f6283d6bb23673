#pragma once
#include "platform/InternetCachePort.hpp"

namespace umbrix::win32 {

class Win32InternetCache final : public platform::InternetCachePort {
public:
    std::unique_ptr<platform::UrlCacheWalk> walkContentCache() override;
    platform::IoResult deleteEntry(std::string_view sourceUrl) override;
};

}  // namespace umbrix::win32
