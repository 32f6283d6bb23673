#include "sim/SimClock.hpp"

#include <cstdio>

namespace umbrix::sim {

std::string SimClock::shortDateText(const platform::LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", time.day, time.month, time.year);
    return text;
}

std::string SimClock::longTimeText(const platform::LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

}  // namespace umbrix::sim
