#pragma once
// The sim's locale: Unicode simple upper-casing for the Latin, Greek and Cyrillic letters a
// user types, and Windows-1252 as the system code page.
#include "platform/TextPort.hpp"

namespace umbrix::sim {

class SimText final : public platform::TextPort {
public:
    std::string upperCase(std::string_view utf8) override;
    std::string toCodePage(std::string_view utf8) override;
    std::string fromCodePage(std::string_view bytes) override;
};

}  // namespace umbrix::sim
