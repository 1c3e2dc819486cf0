#pragma once
// What the build compiles into the program: its build date, shown as the version, and its build number,
// which the core and storage libraries of the same build carry too.
#include <cstdint>

#include "base/dates.h"

namespace kvilo::startup {

// 16 March 2024 as a day number (days since 28 December 1800).
inline constexpr int32_t kBuildDate = 81528;

#ifndef KVILO_BUILD_NUMBER
#error "the build defines KVILO_BUILD_NUMBER"
#endif
inline constexpr uint32_t kProgramBuild = KVILO_BUILD_NUMBER;

} // namespace kvilo::startup
