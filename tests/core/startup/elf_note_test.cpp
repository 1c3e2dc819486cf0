#include "core/startup/elf_note.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/version_resource.h"
#include "memory_bytes.h"

namespace kvilo::startup {
namespace {

std::optional<NoteLocation> FindVersion(const std::vector<uint8_t>& bytes, size_t size) {
    MemoryBytes source(bytes, size);
    return FindElfNote(source, base::kVersionNoteOwner, base::kVersionNoteType);
}

template <class T> void Put(std::vector<uint8_t>& bytes, size_t at, T value, bool bigEndian) {
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[at + (bigEndian ? sizeof(T) - 1 - i : i)] = static_cast<uint8_t>(value >> (8 * i));
}

// A 32-bit big-endian ELF file of a header, one note section holding a build-id note and then a version
// note, and the section header table: another class and byte order than this build's files.
std::vector<uint8_t> BigEndian32WithVersionNote() {
    constexpr size_t notesAt = 52, descAt = notesAt + 12 + 4 + 8 + 12 + 8;
    constexpr size_t sectionsAt = descAt + 92;
    std::vector<uint8_t> f(sectionsAt + 2 * 40);
    const uint8_t identity[] = {0x7f, 'E', 'L', 'F', 1 /* 32-bit */, 2 /* big-endian */, 1 /* version */};
    std::memcpy(f.data(), identity, sizeof identity);
    Put<uint32_t>(f, 32, sectionsAt, true); // e_shoff
    Put<uint16_t>(f, 46, 40, true);         // e_shentsize
    Put<uint16_t>(f, 48, 2, true);          // e_shnum
    Put<uint32_t>(f, notesAt, 4, true);     // "GNU" note: namesz, descsz, type
    Put<uint32_t>(f, notesAt + 4, 8, true);
    Put<uint32_t>(f, notesAt + 8, 3, true);
    std::memcpy(&f[notesAt + 12], "GNU", 4);
    size_t version = notesAt + 12 + 4 + 8;
    Put<uint32_t>(f, version, 6, true);
    Put<uint32_t>(f, version + 4, 92, true);
    Put<uint32_t>(f, version + 8, base::kVersionNoteType, true);
    std::memcpy(&f[version + 12], "Kvilo", 6);
    size_t note = sectionsAt + 40;       // section 1; section 0 stays empty
    Put<uint32_t>(f, note + 4, 7, true); // SHT_NOTE
    Put<uint32_t>(f, note + 16, notesAt, true);
    Put<uint32_t>(f, note + 20, descAt + 92 - notesAt, true);
    Put<uint32_t>(f, note + 32, 4, true);
    return f;
}

TEST(ElfNote, FindsNotesByOwnerAndTypeInARealLibrary) {
    std::vector<uint8_t> library = FileContent(KVILO_CORE_FILE);
    auto version = FindVersion(library, library.size());
    ASSERT_TRUE(version);
    EXPECT_EQ(version->descSize, sizeof(base::VersionResource));
    MemoryBytes source(library);
    auto buildId = FindElfNote(source, "GNU", 3);
    ASSERT_TRUE(buildId);
    EXPECT_EQ(buildId->descSize, 20u);
    EXPECT_FALSE(FindElfNote(source, "Kvilo", 2));
    EXPECT_FALSE(FindElfNote(source, "Kvil", base::kVersionNoteType));
}

TEST(ElfNote, ReadsOtherClassesAndByteOrders) {
    std::vector<uint8_t> file = BigEndian32WithVersionNote();
    auto found = FindVersion(file, file.size());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->descOffset, 52u + 12 + 4 + 8 + 12 + 8);
    EXPECT_EQ(found->descSize, 92u);
}

TEST(ElfNote, WithoutSectionHeadersTheNoteSegmentsAreSearched) {
    std::vector<uint8_t> library = FileContent(KVILO_CORE_FILE);
    auto withSections = FindVersion(library, library.size());
    ASSERT_TRUE(withSections);
    std::memset(&library[40], 0, 8); // e_shoff of a 64-bit file
    auto fromSegments = FindVersion(library, library.size());
    ASSERT_TRUE(fromSegments);
    EXPECT_EQ(fromSegments->descOffset, withSections->descOffset);
}

// Cut short anywhere, a file yields no note or one that lies wholly inside what is left; once what is left
// holds the note segment and its table of segments, the note is found.
TEST(ElfNote, ATruncatedFileNeverLeadsOutsideItself) {
    std::vector<uint8_t> library = FileContent(KVILO_CORE_FILE);
    auto whole = FindVersion(library, library.size());
    ASSERT_TRUE(whole);
    const size_t noteEnd = whole->descOffset + whole->descSize;
    std::vector<size_t> sizes;
    for (size_t size = 0; size <= noteEnd + 64; ++size)
        sizes.push_back(size);
    for (size_t cut = 1; cut <= 4096 && cut < library.size(); ++cut)
        sizes.push_back(library.size() - cut);
    for (size_t size : sizes) {
        auto found = FindVersion(library, size);
        if (found) {
            EXPECT_LE(found->descOffset + found->descSize, size) << "cut at " << size;
        }
        if (size >= noteEnd) {
            EXPECT_TRUE(found) << "cut at " << size;
        }
    }
}

// Bit flips in the headers, the tables and the notes: every answer stays inside the file.
TEST(ElfNote, FlippedBitsInTheStructuresNeverLeadOutsideTheFile) {
    for (std::vector<uint8_t> file : {FileContent(KVILO_CORE_FILE), BigEndian32WithVersionNote()}) {
        MemoryBytes source(file);
        auto whole = FindElfNote(source, base::kVersionNoteOwner, base::kVersionNoteType);
        ASSERT_TRUE(whole);
        // The places a reader of the headers visits: the file header, the notes at the start and the section
        // headers at the end.
        std::vector<size_t> places;
        for (size_t at = 0; at < std::min<size_t>(whole->descOffset + whole->descSize, file.size()); ++at)
            places.push_back(at);
        for (size_t at = file.size() > 4096 ? file.size() - 4096 : 0; at < file.size(); ++at)
            places.push_back(at);
        std::mt19937 random(20240316);
        for (int round = 0; round < 20000; ++round) {
            size_t at = places[random() % places.size()];
            uint8_t mask = static_cast<uint8_t>(1u << (random() % 8));
            file[at] ^= mask;
            auto found = FindElfNote(source, base::kVersionNoteOwner, base::kVersionNoteType);
            if (found) {
                EXPECT_LE(found->descOffset + found->descSize, file.size());
            }
            if (random() % 4 != 0) file[at] ^= mask; // some flips stay, so that damage adds up
        }
    }
}

} // namespace
} // namespace kvilo::startup
