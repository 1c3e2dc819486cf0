#pragma once
// The fonts the program asks for by name ("Segoe UI", "Calibri", "Tahoma", "Verdana", "Arial") are Windows
// fonts that many systems lack. The system's font configuration (fontconfig) names the installed family that
// stands in for a requested one, as it would for any program asking for it: the family itself when it is
// installed, its metric twin or closest match otherwise.
#include <string>
#include <string_view>

namespace kvilo::platform {

// The installed family that matches `family` with Cyrillic letters (names in UTF-8, which the font names
// are: plain ASCII). The answer is remembered for the process. Empty when the system has no font at all.
std::string MatchFontFamily(std::string_view family);

} // namespace kvilo::platform
