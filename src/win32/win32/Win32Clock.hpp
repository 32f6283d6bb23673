#pragma once
#include "platform/ClockPort.hpp"

namespace umbrix::win32 {

class Win32Clock final : public platform::ClockPort {
public:
    platform::LocalTime localTime() override;
    std::string shortDateText(const platform::LocalTime& time) override;
    std::string longTimeText(const platform::LocalTime& time) override;
};

}  // namespace umbrix::win32
