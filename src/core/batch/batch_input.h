#pragma once
// The list of a batch check: the lines of a text or CSV file, or the rows of a sheet, each with the code it
// holds. Texts are Windows-1251.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/codes/code_check.h"

namespace kvilo::batch {

struct BatchLine {
    size_t lineNumber = 0; // of the file, or the sheet row; from 1
    std::string text;      // the cell of the code column as read (for the report)
    std::string code;      // the digits when the cell holds a number of a code's length; empty otherwise
    codes::CodeCheck check = codes::CodeCheck::NotACode;
};

// A table read from a file: rows of cells, each row with the line (or sheet row) it came from.
struct CellRow {
    size_t lineNumber = 0;
    std::vector<std::string> cells;
};

// The cells of a text or CSV file: a UTF-8 or UTF-16 byte-order mark is dropped, UTF-8 text is recognised
// (anything else is taken as Windows-1251), lines end with LF or CRLF, and cells are split at the most
// frequent of ";", tab and "," (quotes respected). Blank lines are left out.
std::vector<CellRow> ReadTextCells(std::string_view bytes);

// The lines of the check: the code column is the one where most rows hold a code's digits; a first row with
// no digit there is a heading and left out. Every other row becomes a line, in order.
std::vector<BatchLine> ToBatchLines(const std::vector<CellRow>& rows);

} // namespace kvilo::batch
