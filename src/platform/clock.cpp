#include "platform/clock.h"

#include <ctime>

#include "base/dates.h"

namespace kvilo::platform {
namespace {

tm LocalNow(long& hundredths) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    hundredths = now.tv_nsec / 10000000;
    return local;
}

} // namespace

int32_t Today() {
    long hundredths = 0;
    tm local = LocalNow(hundredths);
    return base::DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int32_t TimeNow() {
    long hundredths = 0;
    tm local = LocalNow(hundredths);
    return static_cast<int32_t>((local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec) * 100 + hundredths + 1);
}

} // namespace kvilo::platform
