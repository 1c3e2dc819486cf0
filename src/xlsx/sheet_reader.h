#pragma once
// The cell texts of the first worksheet of an .xlsx workbook in memory: what a list of codes needs, no
// formats, no formulas (their cached values are read). Texts come back in Windows-1251. Bounded: no part is
// inflated beyond kMaxPartBytes and no more than kMaxSheetRows rows are read.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::xlsx {

inline constexpr size_t kMaxPartBytes = 256u << 20;
inline constexpr size_t kMaxSheetRows = 1u << 20;

struct SheetCell {
    std::string text;    // Windows-1251; a number as the digits it holds when it is a whole number
    bool number = false; // the cell held a number (its leading zeros, if it had any, are lost)
};

struct SheetRow {
    size_t rowNumber = 0;         // of the sheet, from 1
    std::vector<SheetCell> cells; // by column, from A
};

// False with `error` (Windows-1251) when the bytes are no workbook, or a part is damaged or too large.
bool ReadFirstSheet(std::string_view bytes, std::vector<SheetRow>& rows, std::string& error);

} // namespace kvilo::xlsx
