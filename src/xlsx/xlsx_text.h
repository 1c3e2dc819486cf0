#pragma once
// Program text (Windows-1251) to the UTF-8 that libxlsxwriter takes.
#include <cstddef>
#include <string>
#include <string_view>

namespace kvilo::xlsx {

// The most characters a cell may hold; longer texts make the library refuse the cell.
inline constexpr size_t kMaxCellTextLength = 32767;

// Converts `text` to UTF-8 into `utf8` (replacing its content): every CR LF pair becomes LF; control
// characters other than TAB, LF and CR are dropped, because the workbook's XML cannot carry them and a
// spreadsheet refuses the whole file when it meets one; the text is cut to kMaxCellTextLength characters.
void ToWorkbookText(std::string_view text, std::string& utf8);

// The text without trailing blanks.
std::string_view TrimRight(std::string_view text);
// The text without leading and trailing blanks (left-justified and right-trimmed).
std::string_view TrimBoth(std::string_view text);

} // namespace kvilo::xlsx
