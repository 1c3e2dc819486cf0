#include "base/dates.h"

#include <gtest/gtest.h>

using namespace kvilo::base;

TEST(DayNumber, FixedPoints) {
    EXPECT_EQ(DayNumber(1801, 1, 1), 4);
    EXPECT_EQ(DayNumber(1970, 1, 1), kUnixEpochDay);
    EXPECT_EQ(DayNumber(1970, 1, 1), 61730);
    EXPECT_EQ(DayNumber(2024, 3, 16), 81528);
    EXPECT_EQ(DayNumber(2038, 1, 19), 86585);
    EXPECT_EQ(DayNumber(9999, 12, 31), 2994626);
}

TEST(DayNumber, LeapYears) {
    EXPECT_EQ(DayNumber(2000, 2, 29), 72746);   // divisible by 400: leap
    EXPECT_EQ(DayNumber(1900, 2, 29), kNoDate); // divisible by 100 only: not leap
    EXPECT_EQ(DayNumber(1900, 3, 1) - DayNumber(1900, 2, 28), 1);
    EXPECT_EQ(DayNumber(2024, 3, 1) - DayNumber(2024, 2, 28), 2);
    EXPECT_EQ(DayNumber(2023, 3, 1) - DayNumber(2023, 2, 28), 1);
    EXPECT_EQ(DayNumber(2023, 2, 29), kNoDate);
    EXPECT_EQ(DayNumber(2025, 1, 1) - DayNumber(2024, 1, 1), 366);
    EXPECT_EQ(DayNumber(2024, 1, 1) - DayNumber(2023, 1, 1), 365);
}

TEST(DayNumber, DatesThatDoNotExistGiveZero) {
    EXPECT_EQ(DayNumber(2024, 13, 1), kNoDate);
    EXPECT_EQ(DayNumber(2024, 0, 1), kNoDate);
    EXPECT_EQ(DayNumber(2024, 4, 31), kNoDate);
    EXPECT_EQ(DayNumber(2024, 1, 0), kNoDate);
    EXPECT_EQ(DayNumber(1800, 12, 31), kNoDate);
    EXPECT_EQ(DayNumber(10000, 1, 1), kNoDate);
}

TEST(CalendarDate, EveryDayNumberRoundTrips) {
    int year = 0, month = 0, day = 0;
    int32_t last = DayNumber(9999, 12, 31);
    for (int32_t n = 4; n <= last; ++n) {
        ASSERT_TRUE(CalendarDate(n, year, month, day)) << n;
        ASSERT_EQ(DayNumber(year, month, day), n);
    }
}

TEST(CalendarDate, ZeroNegativeAndBeyondTheCalendarAreNoDate) {
    int year = 1, month = 1, day = 1;
    EXPECT_FALSE(CalendarDate(0, year, month, day));
    EXPECT_EQ(year + month + day, 0);
    EXPECT_FALSE(CalendarDate(-5, year, month, day));
    EXPECT_FALSE(CalendarDate(DayNumber(9999, 12, 31) + 1, year, month, day));
    ASSERT_TRUE(CalendarDate(61730, year, month, day));
    EXPECT_EQ(year * 10000 + month * 100 + day, 19700101);
    ASSERT_TRUE(CalendarDate(1, year, month, day));
    EXPECT_EQ(year * 10000 + month * 100 + day, 18001229);
}

TEST(DayNumberFromUnixMillis, AroundTheEpoch) {
    EXPECT_EQ(DayNumberFromUnixMillis(0), 61730);
    EXPECT_EQ(DayNumberFromUnixMillis(86399999), 61730);
    EXPECT_EQ(DayNumberFromUnixMillis(86400000), 61731);
    EXPECT_EQ(DayNumberFromUnixMillis(-1), 61729); // floored, not truncated
    EXPECT_EQ(DayNumberFromUnixMillis(1710547200000.0), DayNumber(2024, 3, 16));
    EXPECT_EQ(DayNumberFromUnixMillis(0.0 / 0.0), kNoDate);
    EXPECT_EQ(DayNumberFromUnixMillis(1e300), kNoDate);
    EXPECT_EQ(DayNumberFromUnixMillis(-1e300), kNoDate);
}
