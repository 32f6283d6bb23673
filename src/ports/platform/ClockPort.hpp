#pragma once
// The local date and time, and their texts in the user's formats.
#include <string>

namespace umbrix::platform {

// SYSTEMTIME in local time.
struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;  // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

class ClockPort {
public:
    ClockPort() = default;
    ClockPort(const ClockPort&) = delete;
    ClockPort& operator=(const ClockPort&) = delete;
    virtual ~ClockPort() = default;

    // GetLocalTime.
    virtual LocalTime localTime() = 0;

    // GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE): the user's short date format.
    virtual std::string shortDateText(const LocalTime& time) = 0;

    // GetTimeFormatW(LOCALE_USER_DEFAULT, 0): the user's long time format.
    virtual std::string longTimeText(const LocalTime& time) = 0;
};

}  // namespace umbrix::platform
