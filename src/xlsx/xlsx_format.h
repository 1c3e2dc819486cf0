#pragma once
// The FORMAT record: the look of the next cells, rows and columns, described field by field before
// TXlsxWriterClass::ApplyFormat turns it into one libxlsxwriter format. Codes (styles, alignments, patterns,
// underline, script, diagonal) are libxlsxwriter's own values; colours are Windows colour values.
#include <cstddef>
#include <cstdint>
#include <string>

namespace kvilo::xlsx {

inline constexpr int32_t kNoColor = -1;
inline constexpr uint8_t kNoBorder = 255;

// FONTSTYLE bits: the weight sits in the low bits (700 = bold).
inline constexpr int32_t kFontWeightBold = 700;
inline constexpr int32_t kFontItalic = 0x1000;
inline constexpr int32_t kFontUnderline = 0x2000;
inline constexpr int32_t kFontStrikeout = 0x4000;

// Alignment codes the program uses (libxlsxwriter's LXW_ALIGN_* values).
inline constexpr uint8_t kAlignLeft = 1;
inline constexpr uint8_t kAlignRight = 3;
inline constexpr uint8_t kAlignTop = 8;
inline constexpr uint8_t kAlignVerticalCenter = 10;

// Border styles the program uses.
inline constexpr uint8_t kBorderThin = 1;
inline constexpr uint8_t kBorderDouble = 6;

struct TXlsxSide {
    uint8_t FORMAT = kNoBorder; // side style; 255 = not set
    int32_t COLOR = kNoColor;
    bool operator==(const TXlsxSide&) const = default;
};

struct TXlsxDiagonal {
    uint8_t FORMAT = kNoBorder;
    int32_t COLOR = kNoColor;
    uint8_t TYPE = 0; // direction
    bool operator==(const TXlsxDiagonal&) const = default;
};

// Texts are in the program's code page (1251). The default member values are the reset values.
struct TXlsxFormat {
    int32_t COLOR = kNoColor;   // cell background
    int32_t FGCOLOR = kNoColor; // pattern foreground
    TXlsxSide BORDER;           // all four sides
    TXlsxSide LEFT;
    TXlsxSide TOP;
    TXlsxSide RIGHT;
    TXlsxSide BOTTOM;
    TXlsxDiagonal DIAG;
    std::string FONTNAME;
    double FONTSIZE = 0;
    int32_t FONTCOLOR = kNoColor;
    int32_t FONTSTYLE = 0;
    uint8_t UNDERLINE = 0; // underline kind when the underline bit is set; 0 = single
    uint8_t FONTSCRIPT = 0;
    uint8_t ALIGN = 0;
    uint8_t ALIGNV = 0;
    uint8_t WRAPTEXT = 0;
    int16_t ROTATION = 0;
    uint8_t INDENT = 0;
    uint8_t SHRINK = 0;
    uint8_t PATTERN = 0;
    std::string PICTURE; // the program's own display picture; never given to the library
    std::string EXCELMASK;
    uint8_t INDEX = 0; // built-in number format
    uint8_t HIDDEN = 0;
    uint8_t UNLOCKED = 0;

    // Every field compares, PICTURE included: records that differ only there are different cache keys.
    bool operator==(const TXlsxFormat&) const = default;
};

// A hash over every field of the record, for the format cache (which compares whole records on a match).
struct TXlsxFormatHash {
    size_t operator()(const TXlsxFormat& format) const noexcept;
};

// The grouped number mask: "# ##0" with 1 to 6 decimals (none for 0 or more than 6), ";", "[Red]" when
// negatives are red, then the same mask with a leading minus.
std::string GroupedNumberMask(int decimals, bool redNegatives);

} // namespace kvilo::xlsx
