#include "update/CivilDate.hpp"

namespace umbrix::update {

bool CivilDate::isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int CivilDate::daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<CivilDate> CivilDate::from(int year, int month, int day) {
    if (year < 1 || year > 9999) return std::nullopt;
    if (day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    return CivilDate(year, month, day);
}

}  // namespace umbrix::update
