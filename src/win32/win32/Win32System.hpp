#pragma once
#include "platform/SystemPort.hpp"

namespace umbrix::win32 {

class Win32System final : public platform::SystemPort {
public:
    std::string executablePath() override;
    std::string windowsDirectory() override;
    std::optional<std::string> fileVersionText() override;
    std::optional<std::string> specialFolderPath(platform::SpecialFolder folder) override;
    std::uint64_t availablePhysicalMemory() override;
    bool trimWorkingSet() override;
    platform::ScreenPoint virtualDesktopOrigin() override;
    std::vector<platform::Monitor> monitors() override;
    void writeDebugOutput(std::string_view line) override;
};

}  // namespace umbrix::win32
