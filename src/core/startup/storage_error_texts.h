#pragma once
// The texts of the numeric error codes that the keyed-file store and the in-memory tables report, shown
// where a message says "%ErrorText" or "%Error". Start-up installs them once the installation checks out.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kvilo::startup {

// Every code with its text, in ascending order of codes.
std::vector<std::pair<int32_t, std::string>> StorageErrorTexts();

} // namespace kvilo::startup
