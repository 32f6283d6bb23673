#pragma once
// A day of the proleptic Gregorian calendar, without a time. The default value is the empty
// date of a record that has not been filled.
#include <compare>
#include <optional>

namespace umbrix::update {

class CivilDate {
public:
    CivilDate() = default;

    // The date, or nullopt when there is no such day (31 February, month 13, year 0).
    // Years run from 1 to 9999, the range Windows' date formatting accepts.
    static std::optional<CivilDate> from(int year, int month, int day);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    bool empty() const { return year_ == 0; }

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

private:
    CivilDate(int year, int month, int day) : year_(year), month_(month), day_(day) {}

    // Order of declaration gives the chronological order for <=>.
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
};

}  // namespace umbrix::update
