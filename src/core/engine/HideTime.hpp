#pragma once
// The time texts of hidden-window entries.
#include <string>

#include "platform/ClockPort.hpp"

namespace umbrix::engine {

// The user's short date, a space and the user's long time: what the hide actions record.
inline std::string dateAndTimeText(platform::ClockPort& clock) {
    platform::LocalTime now = clock.localTime();
    return clock.shortDateText(now) + " " + clock.longTimeText(now);
}

// The long time alone: what "Hide selected window" records.
inline std::string timeText(platform::ClockPort& clock) { return clock.longTimeText(clock.localTime()); }

}  // namespace umbrix::engine
