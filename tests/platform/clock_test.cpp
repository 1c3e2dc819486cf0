#include "platform/clock.h"

#include <ctime>
#include <gtest/gtest.h>

#include "base/dates.h"

using namespace kvilo::platform;

TEST(Clock, TodayAndTimeNowFollowTheLocalClock) {
    time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    int32_t expected = kvilo::base::DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    int32_t today = Today();
    EXPECT_TRUE(today == expected || today == expected + 1); // midnight may pass in between
    int32_t time = TimeNow();
    EXPECT_GE(time, 1);
    EXPECT_LE(time, 24 * 360000 + 100);
}
