#pragma once
// Named command-line parameters: NAME=value or /NAME=value. Names compare without regard to case.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::platform {

// Keeps the process's arguments (without the program name, converted from the system's UTF-8 to 1251) for
// CommandParameter. Called once by main. The vector form takes 1251 texts as they are (tests).
void SetCommandLine(int argc, const char* const* argv);
void SetCommandLine(std::vector<std::string> arguments);

// The value of the named parameter (the last one given wins); empty when absent or given without a value.
std::string CommandParameter(std::string_view name);

} // namespace kvilo::platform
