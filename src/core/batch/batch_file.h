#pragma once
// The list of a batch check from a file of up to kMaxListBytes: a text or CSV file, or the first sheet of an
// .xlsx workbook.
#include <cstddef>
#include <string>
#include <vector>

#include "core/batch/batch_input.h"

namespace kvilo::batch {

// A list larger than this is refused rather than read into memory (64 MB hold millions of codes).
inline constexpr size_t kMaxListBytes = 64u << 20;

// Reads the lines of the list at `path` (Windows-1251). False with `error` (Windows-1251) when the file
// cannot be read, is too large, or is a damaged workbook.
bool ReadBatchFile(const std::string& path, std::vector<BatchLine>& lines, std::string& error);

} // namespace kvilo::batch
