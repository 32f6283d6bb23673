#pragma once
#include "platform/TextPort.hpp"

namespace umbrix::win32 {

class Win32Text final : public platform::TextPort {
public:
    std::string upperCase(std::string_view utf8) override;
    std::string toCodePage(std::string_view utf8) override;
    std::string fromCodePage(std::string_view bytes) override;
};

}  // namespace umbrix::win32
