#pragma once
// Names of temporary files: the temporary folder and fresh GUID names.
#include <string>

namespace kvilo::platform {

// A new GUID as 36 upper-case characters without braces (8-4-4-4-12 hexadecimal digits): a random
// (version 4) UUID from the kernel's random source.
std::string NewGuidName();

// The folder given by the "RAM" parameter (trimmed, as a full path ending in the separator) when that
// folder exists; otherwise the system's temporary folder ($TMPDIR when it exists, else /tmp), ending in
// the separator.
std::string TempFolder();

} // namespace kvilo::platform
