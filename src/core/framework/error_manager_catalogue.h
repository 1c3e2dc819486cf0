#pragma once
// The error manager's catalogue of framework messages: the messages the file managers and the generic
// forms raise, each with the level that decides how it is shown and what the caller does next.
#include <cstdint>
#include <span>

namespace kvilo::framework {

// How a message is shown and what Throw returns. Any other value is handled like a program error.
enum ErrorLevel : uint8_t {
    kLevelBenign = 0,
    kLevelUser = 1,    // a question: Yes goes on, anything else cancels
    kLevelProgram = 2, // the program cannot go on
    kLevelFatal = 3,
    kLevelCancel = 4,
    kLevelNotification = 5,
};

// One catalogue entry; title and text are Windows-1251 ("|" in a text is a line break).
struct ErrorEntry {
    uint16_t id;
    uint8_t level;
    const char* title;
    const char* text;
};

inline constexpr size_t kErrorCatalogueSize = 56;

// The entries in their stored order (not sorted by id).
std::span<const ErrorEntry> ErrorCatalogue();

// The entry with this id, or nullptr.
const ErrorEntry* FindErrorEntry(uint16_t id);

} // namespace kvilo::framework
