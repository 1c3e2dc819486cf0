#pragma once
// The SHA-256 checksum of a downloaded file, to compare with the one the maker published.
#include <string>
#include <string_view>

namespace kvilo::online {

// The file's SHA-256 digest as 64 lower-case hex digits; empty when the file cannot be read.
std::string Sha256OfFile(std::string_view path);

} // namespace kvilo::online
