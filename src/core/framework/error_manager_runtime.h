#pragma once
// The runtime's last error of the calling thread: what a failed storage operation (the keyed file "lf.dat",
// the in-memory tables) leaves behind for the error manager to report. Each thread keeps its own, so that
// windows on different threads never see each other's failures.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvilo::framework {

// Error codes with which a file driver reports a failure of its own; its own code and text then tell more
// than the generic text of the code.
inline constexpr int32_t kDriverErrorCodes[] = {90, 100, 47};

struct RuntimeError {
    int32_t code = 0;          // 0: no error
    std::string text;          // the text installed for the code
    std::string file;          // the file whose operation failed
    std::string fileErrorCode; // the driver's own code, as text
    std::string fileErrorText; // the driver's own text
};

// Records a failure on this thread. The text is the one installed for `code` (empty when none is).
void SetRuntimeError(int32_t code, std::string_view file = {}, std::string_view fileErrorCode = {},
                     std::string_view fileErrorText = {});
// Records a failure with its own text.
void SetRuntimeError(RuntimeError error);
void ClearRuntimeError();
// This thread's last error.
const RuntimeError& LastRuntimeError();

// Installs the process-wide texts of the storage error codes (start-up does this once); replaces any
// earlier table.
void InstallRuntimeErrorTexts(std::vector<std::pair<int32_t, std::string>> texts);
// The installed text of a code, or empty.
std::string RuntimeErrorText(int32_t code);

} // namespace kvilo::framework
