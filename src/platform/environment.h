#pragma once
// The process's environment variables.
#include <string>
#include <string_view>

namespace kvilo::platform {

// The variable's value as the system holds it; empty when it is not set.
std::string EnvironmentVariable(std::string_view name);

} // namespace kvilo::platform
