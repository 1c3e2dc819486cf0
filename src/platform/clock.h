#pragma once
// The local clock: today's day number (see base/dates.h) and the time of day as hundredths of a second
// since midnight plus 1 (0 means "no time").
#include <cstdint>

namespace kvilo::platform {

int32_t Today();
int32_t TimeNow();

} // namespace kvilo::platform
