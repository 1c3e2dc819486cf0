#pragma once
// The border between the program's 1251 text and the operating system's own text (UTF-8 on Linux): file
// names, folder names, arguments of started programs and system error texts cross it here.
#include <string>
#include <string_view>

namespace kvilo::platform {

// A 1251 path or argument as the system expects it. Never fails: every 1251 byte has a UTF-8 form.
std::string ToOsText(std::string_view ansi);

// A text from the system in 1251. A name that is not valid UTF-8 is kept byte for byte, so that a path
// read from the system can still be handed back to it.
std::string FromOsText(std::string_view osText);

} // namespace kvilo::platform
