#pragma once
// Opening a file, program or web address with the desktop's associated application.
#include <string>
#include <string_view>

namespace kvilo::shell {

// Opens `file` with `parameters` (both trimmed of leading and trailing blanks) in the working folder through
// the current launcher. A target that cannot be opened is silently ignored.
void ShellOpen(std::string_view file, std::string_view parameters);

// Runs ShellOpen on a thread of its own with copies of both texts and returns at once.
void StartShellOpen(std::string_view file, std::string_view parameters);

// Waits until every ShellOpen started so far has finished: called before the program ends (and by tests).
void WaitForShellOpens();

} // namespace kvilo::shell
