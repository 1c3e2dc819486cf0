#include "core/startup/elf_note.h"

#include <cstring>
#include <vector>

namespace kvilo::startup {
namespace {

constexpr uint32_t kSectionTypeNote = 7; // SHT_NOTE
constexpr uint32_t kSegmentTypeNote = 4; // PT_NOTE
// Real files hold a few dozen headers and notes of a few hundred bytes; anything larger is not read.
constexpr uint64_t kMaxHeaderTableBytes = uint64_t{1} << 20;
constexpr uint64_t kMaxNoteAreaBytes = uint64_t{1} << 16;

bool Within(uint64_t offset, uint64_t size, uint64_t total) {
    return size <= total && offset <= total - size;
}

// The fields of one file's headers, read in that file's class (32 or 64 bits) and byte order.
class ElfFields {
public:
    ElfFields(bool is64, bool bigEndian) : is64_(is64), bigEndian_(bigEndian) {}

    bool Is64() const { return is64_; }
    uint16_t Half(const uint8_t* at) const { return static_cast<uint16_t>(Unsigned(at, 2)); }
    uint32_t Word(const uint8_t* at) const { return static_cast<uint32_t>(Unsigned(at, 4)); }
    // An address, offset or size: 4 bytes in 32-bit files, 8 in 64-bit ones.
    uint64_t Wide(const uint8_t* at) const { return Unsigned(at, is64_ ? 8 : 4); }

private:
    uint64_t Unsigned(const uint8_t* at, size_t width) const {
        uint64_t value = 0;
        for (size_t i = 0; i < width; ++i) {
            size_t byte = bigEndian_ ? i : width - 1 - i;
            value = (value << 8) | at[byte];
        }
        return value;
    }

    bool is64_;
    bool bigEndian_;
};

// A stretch of the file that may hold notes, with the alignment of its notes.
struct NoteArea {
    uint64_t offset;
    uint64_t size;
    uint64_t align;
};

// A table of `count` headers of `entrySize` bytes at `offset`, read whole when it is sound and small enough.
bool ReadTable(ByteSource& file, uint64_t offset, uint64_t count, uint64_t entrySize, std::vector<uint8_t>& table) {
    if (count == 0 || count > kMaxHeaderTableBytes / entrySize) return false;
    uint64_t bytes = count * entrySize;
    if (!Within(offset, bytes, file.Size())) return false;
    table.resize(bytes);
    return file.ReadAt(offset, table.data(), table.size());
}

struct FileHeader {
    uint64_t sectionsOffset = 0;
    uint64_t sectionCount = 0;
    uint64_t sectionEntrySize = 0;
    uint64_t segmentsOffset = 0;
    uint64_t segmentCount = 0;
    uint64_t segmentEntrySize = 0;
};

std::optional<ElfFields> ReadIdentity(ByteSource& file) {
    uint8_t ident[16];
    constexpr uint8_t kMagic[4] = {0x7f, 'E', 'L', 'F'};
    if (!file.ReadAt(0, ident, sizeof ident) || std::memcmp(ident, kMagic, sizeof kMagic) != 0) return std::nullopt;
    uint8_t fileClass = ident[4];
    uint8_t byteOrder = ident[5];
    if ((fileClass != 1 && fileClass != 2) || (byteOrder != 1 && byteOrder != 2)) return std::nullopt;
    return ElfFields(fileClass == 2, byteOrder == 2);
}

bool ReadFileHeader(ByteSource& file, const ElfFields& elf, FileHeader& header) {
    uint8_t bytes[64];
    size_t size = elf.Is64() ? 64 : 52;
    if (!file.ReadAt(0, bytes, size)) return false;
    // The fields after e_entry move by the width of an address.
    const uint8_t* at = bytes + (elf.Is64() ? 32 : 28);
    size_t wide = elf.Is64() ? 8 : 4;
    header.segmentsOffset = elf.Wide(at);
    header.sectionsOffset = elf.Wide(at + wide);
    const uint8_t* sizes = at + 2 * wide + 4 + 2; // after e_flags and e_ehsize
    header.segmentEntrySize = elf.Half(sizes);
    header.segmentCount = elf.Half(sizes + 2);
    header.sectionEntrySize = elf.Half(sizes + 4);
    header.sectionCount = elf.Half(sizes + 6);
    return true;
}

std::vector<NoteArea> NoteSections(ByteSource& file, const ElfFields& elf, FileHeader header) {
    const uint64_t minEntry = elf.Is64() ? 64 : 40;
    if (header.sectionsOffset == 0 || header.sectionEntrySize < minEntry) return {};
    // With more sections than the header can count, section 0 holds the count in its size field.
    if (header.sectionCount == 0) {
        std::vector<uint8_t> first;
        if (!ReadTable(file, header.sectionsOffset, 1, header.sectionEntrySize, first)) return {};
        header.sectionCount = elf.Wide(first.data() + (elf.Is64() ? 32 : 20));
    }
    std::vector<uint8_t> table;
    if (!ReadTable(file, header.sectionsOffset, header.sectionCount, header.sectionEntrySize, table)) return {};
    std::vector<NoteArea> areas;
    for (uint64_t i = 0; i < header.sectionCount; ++i) {
        const uint8_t* entry = table.data() + i * header.sectionEntrySize;
        if (elf.Word(entry + 4) != kSectionTypeNote) continue;
        const uint8_t* placement = entry + (elf.Is64() ? 24 : 16); // sh_offset, sh_size; sh_addralign later
        areas.push_back({elf.Wide(placement), elf.Wide(placement + (elf.Is64() ? 8 : 4)),
                         elf.Wide(entry + (elf.Is64() ? 48 : 32))});
    }
    return areas;
}

std::vector<NoteArea> NoteSegments(ByteSource& file, const ElfFields& elf, const FileHeader& header) {
    const uint64_t minEntry = elf.Is64() ? 56 : 32;
    if (header.segmentsOffset == 0 || header.segmentEntrySize < minEntry) return {};
    std::vector<uint8_t> table;
    if (!ReadTable(file, header.segmentsOffset, header.segmentCount, header.segmentEntrySize, table)) return {};
    std::vector<NoteArea> areas;
    for (uint64_t i = 0; i < header.segmentCount; ++i) {
        const uint8_t* entry = table.data() + i * header.segmentEntrySize;
        if (elf.Word(entry) != kSegmentTypeNote) continue;
        if (elf.Is64())
            areas.push_back({elf.Wide(entry + 8), elf.Wide(entry + 32), elf.Wide(entry + 48)});
        else
            areas.push_back({elf.Wide(entry + 4), elf.Wide(entry + 16), elf.Wide(entry + 28)});
    }
    return areas;
}

uint64_t AlignUp(uint64_t value, uint64_t align) {
    return (value + align - 1) & ~(align - 1);
}

// The wanted note among the notes of one area: name and descriptor each padded to the area's alignment
// (8 for 8-aligned areas such as GNU property notes, else 4).
std::optional<NoteLocation> FindInArea(ByteSource& file, const ElfFields& elf, const NoteArea& area,
                                       std::string_view owner, uint32_t type) {
    if (area.size == 0 || area.size > kMaxNoteAreaBytes || !Within(area.offset, area.size, file.Size()))
        return std::nullopt;
    std::vector<uint8_t> notes(area.size);
    if (!file.ReadAt(area.offset, notes.data(), notes.size())) return std::nullopt;
    const uint64_t align = area.align == 8 ? 8 : 4;
    uint64_t at = 0;
    while (notes.size() - at >= 12) {
        uint32_t nameSize = elf.Word(&notes[at]);
        uint32_t descSize = elf.Word(&notes[at + 4]);
        uint32_t noteType = elf.Word(&notes[at + 8]);
        uint64_t nameAt = at + 12;
        uint64_t descAt = AlignUp(nameAt + nameSize, align);
        if (!Within(descAt, descSize, notes.size())) return std::nullopt; // the note runs past its area
        bool ownerMatches = nameSize == owner.size() + 1 && notes[nameAt + owner.size()] == 0 &&
                            std::memcmp(&notes[nameAt], owner.data(), owner.size()) == 0;
        if (ownerMatches && noteType == type) return NoteLocation{area.offset + descAt, descSize};
        at = AlignUp(descAt + descSize, align);
        if (at > notes.size()) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<NoteLocation> FindElfNote(ByteSource& file, std::string_view owner, uint32_t type) {
    std::optional<ElfFields> elf = ReadIdentity(file);
    FileHeader header;
    if (!elf || !ReadFileHeader(file, *elf, header)) return std::nullopt;
    for (const NoteArea& area : NoteSections(file, *elf, header))
        if (auto found = FindInArea(file, *elf, area, owner, type)) return found;
    for (const NoteArea& area : NoteSegments(file, *elf, header))
        if (auto found = FindInArea(file, *elf, area, owner, type)) return found;
    return std::nullopt;
}

} // namespace kvilo::startup
