#pragma once
// The session's own error texts, consulted before libcurl's, and the reader of the static table format
// they are shipped in: a 16-bit entry count, then per entry a 16-bit little-endian code, 2 unused bytes,
// an 8-bit text length and that many bytes of text.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvilo::http {

struct ErrorEntry {
    int32_t ID = 0;
    std::string MESSAGE;
};

// The table the program ships: no entries, so every text comes from libcurl.
std::span<const uint8_t> BuiltInErrorTable();

// Appends the table's entries in table order. A table cut short ends the reading at the last whole
// entry (false); entries before it are kept.
bool ReadErrorTable(std::span<const uint8_t> table, std::vector<ErrorEntry>& entries);

} // namespace kvilo::http
