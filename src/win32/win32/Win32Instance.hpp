#pragma once
#include <string>

#include "platform/InstancePort.hpp"
#include "win32/UniqueHandle.hpp"

namespace umbrix::win32 {

class Win32Instance final : public platform::InstancePort {
public:
    platform::InstanceClaim claimInstance(std::string_view name) override;
    bool releaseInstanceOwnership() override;

private:
    UniqueHandle mutex_;  // open until the process ends: the name lives as long as the instance
    bool owned_ = false;
};

}  // namespace umbrix::win32
