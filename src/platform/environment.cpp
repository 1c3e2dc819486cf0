#include "platform/environment.h"

#include <cstdlib>

namespace kvilo::platform {

std::string EnvironmentVariable(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    return value != nullptr ? value : "";
}

} // namespace kvilo::platform
