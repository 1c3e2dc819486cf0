#pragma once
// Every diagnostic of the HTTP layer goes to the debug output with the "[libcurl] " prefix; nothing here
// reaches the user directly.
#include <string>
#include <string_view>

namespace kvilo::http {

void Log(std::string_view text);

// The text without trailing blanks: fixed-width texts of the program never count their padding.
std::string_view RightTrim(std::string_view text);

} // namespace kvilo::http
