#pragma once
// The simulated clock: a settable local time, written in a British user's formats
// (short date "dd/MM/yyyy", long time "HH:mm:ss").
#include "platform/ClockPort.hpp"

namespace umbrix::sim {

class SimClock final : public platform::ClockPort {
public:
    platform::LocalTime localTime() override { return now; }
    std::string shortDateText(const platform::LocalTime& time) override;
    std::string longTimeText(const platform::LocalTime& time) override;

    platform::LocalTime now{2024, 3, 9, 14, 5, 7, 0};
};

}  // namespace umbrix::sim
