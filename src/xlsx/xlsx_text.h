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

// Cuts UTF-8 text to at most `maxBytes` bytes without splitting a character: the library cuts its fixed
// format fields (number format, font name) at a byte count, which could leave half a character behind and
// make the workbook unreadable.
void CutUtf8(std::string& utf8, size_t maxBytes);

} // namespace kvilo::xlsx
