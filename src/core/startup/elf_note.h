#pragma once
// Finds a note in an ELF file without loading the file: the Linux counterpart of the version resource
// look-up. Every offset and size in the file is checked against the file before it is used, and no more
// than a bounded number of bytes is read, so a truncated or hostile file yields "no note", never a fault.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kvilo::startup {

// Random access to the bytes of a file (or of a buffer).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Exactly `size` bytes from `offset`; false when they are not all there.
    virtual bool ReadAt(uint64_t offset, void* data, size_t size) = 0;
};

struct NoteLocation {
    uint64_t descOffset = 0; // where the note's descriptor starts in the file
    uint32_t descSize = 0;
};

// The first note of `owner` and `type` among the file's note sections, then among its note segments (what
// is left of a file whose section headers were stripped). Nothing when the file is not ELF, holds no such
// note, or is damaged where the search leads. Both classes and both byte orders are read.
std::optional<NoteLocation> FindElfNote(ByteSource& file, std::string_view owner, uint32_t type);

} // namespace kvilo::startup
