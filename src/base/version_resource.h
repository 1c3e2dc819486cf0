#pragma once
// The version information that each of the program's own binaries carries: a small header, the key
// "VS_VERSION_INFO" in UTF-16 and the 52-byte fixed file information with signature 0xFEEF04BD, laid out as
// the Windows resource compiler lays out the root block. On ELF systems it is the descriptor of a note
// (owner "Kvilo", type kVersionNoteType) in the section ".note.kvilo.version", so that the build check of
// start-up reads it back from a library file without loading the library.
#include <cstdint>

namespace kvilo::base {

inline constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
inline constexpr char kVersionResourceKey[] = "VS_VERSION_INFO";

struct FixedFileInfo {
    uint32_t signature;
    uint32_t structVersion;
    uint32_t fileVersionMS; // major << 16 | minor
    uint32_t fileVersionLS; // patch << 16 | build
    uint32_t productVersionMS;
    uint32_t productVersionLS;
    uint32_t fileFlagsMask;
    uint32_t fileFlags;
    uint32_t fileOS;
    uint32_t fileType;
    uint32_t fileSubtype;
    uint32_t fileDateMS;
    uint32_t fileDateLS;
};
static_assert(sizeof(FixedFileInfo) == 52, "the fixed file information is 52 bytes");

struct VersionResource {
    uint16_t length;      // bytes of the whole resource
    uint16_t valueLength; // bytes of the fixed file information
    uint16_t type;        // 0: binary value
    char16_t key[16];     // u"VS_VERSION_INFO" and its terminator
    uint16_t padding;     // the value starts on a 32-bit boundary
    FixedFileInfo value;
};
static_assert(sizeof(VersionResource) == 92, "header, key, padding and value without gaps");
inline constexpr uint32_t kVersionValueOffset = 40;

constexpr VersionResource MakeVersionResource(uint16_t major, uint16_t minor, uint16_t patch, uint16_t build) {
    VersionResource resource{};
    resource.length = sizeof(VersionResource);
    resource.valueLength = sizeof(FixedFileInfo);
    for (int i = 0; kVersionResourceKey[i] != 0; ++i)
        resource.key[i] = static_cast<char16_t>(kVersionResourceKey[i]);
    resource.value.signature = kFixedFileInfoSignature;
    resource.value.structVersion = 0x00010000;
    resource.value.fileVersionMS = (uint32_t{major} << 16) | minor;
    resource.value.fileVersionLS = (uint32_t{patch} << 16) | build;
    resource.value.productVersionMS = resource.value.fileVersionMS;
    resource.value.productVersionLS = resource.value.fileVersionLS;
    resource.value.fileType = 2; // a library
    return resource;
}

// The ELF note around the version information: owner name "Kvilo" and type 1, as GNU's NT_VERSION.
inline constexpr char kVersionNoteOwner[] = "Kvilo";
inline constexpr uint32_t kVersionNoteType = 1;

struct VersionNote {
    uint32_t nameSize; // the owner name with its terminator
    uint32_t descSize; // the version information
    uint32_t type;
    char name[8]; // the owner name, padded to a 4-byte boundary
    VersionResource desc;
};
static_assert(sizeof(VersionNote) == 12 + 8 + 92, "a note without gaps, its parts on 4-byte boundaries");

constexpr VersionNote MakeVersionNote(uint16_t major, uint16_t minor, uint16_t patch, uint16_t build) {
    VersionNote note{};
    note.nameSize = sizeof kVersionNoteOwner;
    note.descSize = sizeof(VersionResource);
    note.type = kVersionNoteType;
    for (int i = 0; kVersionNoteOwner[i] != 0; ++i)
        note.name[i] = kVersionNoteOwner[i];
    note.desc = MakeVersionResource(major, minor, patch, build);
    return note;
}

} // namespace kvilo::base
