#pragma once
// Every diagnostic of the HTTP layer goes to the debug output with the "[libcurl] " prefix; nothing here
// reaches the user directly.
#include <string_view>

namespace kvilo::http {

void Log(std::string_view text);

} // namespace kvilo::http
