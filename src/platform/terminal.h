#pragma once
// Whether a standard stream of the process is a terminal (a progress line is shown only there).
#include <cstdio>

namespace kvilo::platform {

bool IsTerminal(std::FILE* stream);

} // namespace kvilo::platform
