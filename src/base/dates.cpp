#include "base/dates.h"

#include <cmath>

namespace kvilo::base {
namespace {

constexpr int kFirstYear = 1801;
constexpr int kLastYear = 9999;
constexpr double kMillisecondsPerDay = 86400000.0;

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int32_t LastDayNumber() {
    return static_cast<int32_t>(DaysFromCivil(kLastYear, 12, 31) + kUnixEpochDay);
}

} // namespace

int32_t DayNumber(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12) return kNoDate;
    if (day < 1 || day > DaysInMonth(year, month)) return kNoDate;
    return static_cast<int32_t>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                                kUnixEpochDay);
}

bool CalendarDate(int32_t dayNumber, int& year, int& month, int& day) {
    year = month = day = 0;
    if (dayNumber <= 0 || dayNumber > LastDayNumber()) return false;
    CivilFromDays(static_cast<int64_t>(dayNumber) - kUnixEpochDay, year, month, day);
    return true;
}

int32_t DayNumberFromUnixMillis(double milliseconds) {
    if (!std::isfinite(milliseconds)) return kNoDate;
    double days = std::floor(milliseconds / kMillisecondsPerDay) + kUnixEpochDay;
    if (days <= 0 || days > LastDayNumber()) return kNoDate;
    return static_cast<int32_t>(days);
}

} // namespace kvilo::base
