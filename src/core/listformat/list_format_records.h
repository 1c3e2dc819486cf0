#pragma once
// The records of the list-format stores: an entry of the file "lf.dat" (BrwSet), an entry of the in-memory
// table shared by all threads (BrwFMem), the seven appearance settings both carry, and the value rules that
// turn stored settings into usable ones. Texts are Windows-1251.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::listformat {

// A list identifier holds at most 20 characters ("BrwEGRUL"); a stored format text 5 to 2048.
inline constexpr size_t kMaxListIdLength = 20;
inline constexpr size_t kMinStoredFormatLength = 5;
inline constexpr size_t kMaxStoredFormatLength = 2048;
inline constexpr size_t kMaxReservedTextLength = 40;

// The appearance of a list: FSETUP and the six settings it switches on. Stored as single bytes.
struct ListAppearance {
    int setup = 0;        // FSETUP: 1 = the settings below are in force, 0 = the defaults
    int gridColour = 9;   // GRIDCOLOR: palette index 0-35
    int barColour = 0;    // BARCOLOR: palette index 0-35
    int lineHeight = 9;   // HLINE: row height 6-40
    int fontSize = 11;    // FONTSIZE: points 8-40
    int fontCode = 1;     // FONTCOD: 1 "Segoe UI", 2 "Calibri", 3 "Tahoma", 4 "Verdana", 5 "Arial"
    int wheelScroll = 40; // WHEELSCROLL: mouse-wheel sensitivity 1-255
    bool operator==(const ListAppearance&) const = default;
};

// The value rules: with FSETUP 0 every setting takes its default; otherwise each setting outside its range
// does. The setup flag itself is kept.
ListAppearance WithValueRules(ListAppearance appearance);

// True when `format` may be stored: 5 to 2048 characters.
bool StorableFormatLength(std::string_view format);

// An entry of BrwFMem (prefix BXM): the latest state of one list in this run.
struct BrwMemEntry {
    std::string idBrowse;  // IDBROWSE, the key
    std::string defFormat; // DEFFORMAT: the list's designed format when the entry was written
    std::string curFormat; // CURFORMAT: the list's format as last left by the user
    ListAppearance appearance;
    // Reserved: 0 in entries this program creates, never changed afterwards.
    uint8_t zb1 = 0;
    uint8_t zb2 = 0;
    int32_t zl1 = 0;
    int32_t zl2 = 0;
    bool operator==(const BrwMemEntry&) const = default;
};

// An entry of "lf.dat" (prefix BRW): the in-memory entry's fields and two more reserved ones.
struct BrwSetRecord {
    std::string idBrowse;
    std::string defFormat;
    std::string curFormat;
    ListAppearance appearance;
    uint8_t zb1 = 0;
    uint8_t zb2 = 0;
    int32_t zl1 = 0;
    int32_t zl2 = 0;
    double zr1 = 0;  // reserved
    std::string zs1; // reserved, at most 40 characters
    bool operator==(const BrwSetRecord&) const = default;
};

} // namespace kvilo::listformat
