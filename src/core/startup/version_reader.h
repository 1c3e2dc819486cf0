#pragma once
// Reads the version information back from a library file, in the three steps of the Windows version API:
// the size of the version information, the information itself, and the root block in it.
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/version_resource.h"

namespace kvilo::startup {

class VersionInfoReader {
public:
    virtual ~VersionInfoReader() = default;
    // Bytes of the file's version information; 0 when the file is missing or carries none.
    virtual uint32_t Size(std::string_view path) = 0;
    // The version information (`size` bytes as Size reported); false when it cannot be read.
    virtual bool Read(std::string_view path, uint32_t size, std::vector<uint8_t>& info) = 0;
};

// Reads the version note ("Kvilo", type 1) of an ELF file without loading the file.
class FileVersionInfoReader : public VersionInfoReader {
public:
    uint32_t Size(std::string_view path) override;
    bool Read(std::string_view path, uint32_t size, std::vector<uint8_t>& info) override;
};

// The root block "\" of version information: the fixed file information and its length in bytes.
// False when the information is too short to hold it or is not a version resource.
bool QueryRootBlock(const std::vector<uint8_t>& info, base::FixedFileInfo& block, uint32_t& length);

} // namespace kvilo::startup
