#pragma once
#include "platform/ProcessPort.hpp"

namespace umbrix::win32 {

class Win32Processes final : public platform::ProcessPort {
public:
    std::optional<std::vector<platform::ProcessEntry>> snapshotProcesses() override;
    std::optional<std::string> processImagePath(platform::ProcessId process) override;
    std::optional<std::uint64_t> processStartTime(platform::ProcessId process) override;
};

}  // namespace umbrix::win32
