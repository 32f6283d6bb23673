#pragma once
#include "platform/UrlHistoryPort.hpp"

namespace umbrix::win32 {

class Win32UrlHistory final : public platform::UrlHistoryPort {
public:
    platform::UrlHistoryOpening openHistoryStore() override;
};

}  // namespace umbrix::win32
