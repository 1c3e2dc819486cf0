#pragma once
// What the build compiles into the program: its build date, shown as the version, and its build number,
// which the program's libraries of the same build carry too. Both come from the version declared once in the
// top CMakeLists.txt.
#include <cstdint>

#include "base/build_version.h"
#include "base/dates.h"

namespace kvilo::startup {

inline constexpr uint32_t kProgramBuild = base::kBuildNumber;

// The build date as a day number.
inline int32_t BuildDate() {
    return base::DayNumber(base::kBuildYear, base::kBuildMonth, base::kBuildDay);
}

} // namespace kvilo::startup
