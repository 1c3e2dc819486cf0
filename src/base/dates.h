#pragma once
// Day numbers of the whole program: days since 28 December 1800, so 1 January 1801 is 4 and 1 January 1970
// is 61730; 0 means "no date". Every conversion between day numbers and calendar dates lives here; the
// clock that tells today's date is platform/clock.h.
#include <cstdint>

namespace kvilo::base {

inline constexpr int32_t kNoDate = 0;
inline constexpr int32_t kUnixEpochDay = 61730; // 1 January 1970

// The day number of a calendar date, or 0 when the date does not exist (month 13, 30 February, year < 1801).
int32_t DayNumber(int year, int month, int day);

// The calendar date of a day number; false (and all zero) for 0 or a negative number.
bool CalendarDate(int32_t dayNumber, int& year, int& month, int& day);

// The day number of a moment given as milliseconds since 1970-01-01 00:00 UTC (floored to whole days).
int32_t DayNumberFromUnixMillis(double milliseconds);

} // namespace kvilo::base
