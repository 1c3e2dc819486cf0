#pragma once
// The version file that the maker's site publishes at "/_version": an INI text in code page 1251 with the
// section [EGRULKvilo], the build date of the published version (Date=dd.mm.yyyy), the address of its
// package (Link=...) and, optionally, the package's SHA-256 checksum (Sha256=<64 hex digits>).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::online {

// A real version file is a few lines; a longer answer is no version file and is not read.
inline constexpr size_t kMaxVersionFileSize = size_t{64} * 1024;
// The longest package address the program accepts.
inline constexpr size_t kMaxLinkLength = 255;

struct PublishedVersion {
    int32_t date = 0;   // day number of the published build; 0 when missing or not a real dd.mm.yyyy date
    std::string link;   // the package's https address; empty when missing or not usable
    std::string sha256; // the package's checksum in lower-case hex; empty when the file names none

    // Both the date and the link are known: only then is there anything to offer.
    bool Complete() const { return date != 0 && !link.empty(); }
};

// Reads the version file's text. Section and key names compare without letter case; values lose their
// surrounding blanks; the first of repeated keys counts. What is not usable counts as missing:
//   - a text holding a NUL byte is no INI text at all (nothing is read);
//   - Date must be exactly dd.mm.yyyy of a date that exists ("31.02.2026" and "2026-01-01" give 0);
//   - Link must be an https address of at most 255 printable characters without blanks: the package is
//     started as the administrator, so it is never fetched over plain HTTP;
//   - a Sha256 key that is not 64 hex digits makes the link unusable, as the package could not be checked.
PublishedVersion ReadVersionText(std::string_view text);

// The day number of exactly "dd.mm.yyyy" (surrounding blanks allowed), or 0.
int32_t ReadVersionDate(std::string_view text);

} // namespace kvilo::online
