#pragma once
// Colour conversion for the workbook: Windows colour values (0x00BBGGRR, or 0x80000000 + n for system
// colour n) to libxlsxwriter's 0xRRGGBB. The system colours come from a replaceable source so that this
// layer needs no GUI toolkit: the GUI installs one that answers from the widget palette.
#include <cstdint>
#include <functional>

namespace kvilo::xlsx {

inline constexpr uint32_t kSystemColorBase = 0x80000000u;
inline constexpr int kLastSystemColor = 20;        // system colours 0..20 (scroll bar .. button highlight)
inline constexpr uint32_t kXlsxBlack = 0x1000000u; // libxlsxwriter reads 0 as "no colour"

// Answers the current Windows colour value (0x00BBGGRR) of system colour 0..20.
using SystemColorSource = std::function<uint32_t(int index)>;

// The Windows default scheme's colour for system colour 0..20; 0 for any other index.
uint32_t DefaultSystemColor(int index);

// Installs the source that ToXlsxColor asks; an empty source restores the defaults. Returns the previous
// source (empty when the defaults were in use). Meant to be set once at start-up by the GUI thread.
SystemColorSource SetSystemColorSource(SystemColorSource source);

// The current colour of system colour 0..20 from the installed source.
uint32_t SystemColor(int index);

// A colour value to libxlsxwriter's colour: system colours resolved, black sent as 0x1000000, the bytes
// blue-green-red turned into red-green-blue.
uint32_t ToXlsxColor(int32_t color);

} // namespace kvilo::xlsx
