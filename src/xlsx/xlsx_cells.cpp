// TXlsxWriterClass: rows, columns, merged ranges and cell writes. Rows and columns count from 1 here and
// from 0 in the library; every call passes the active format.
#include <cmath>

#include "base/blank_text.h"
#include "base/dates.h"
#include "base/variant.h"
#include "xlsx/xlsx_text.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::xlsx {

namespace {

constexpr double kDataRowHeight = 15.0;
constexpr double kSeparatorRowHeight = kDataRowHeight / 2;
constexpr uint8_t kDataOutlineLevel = 1;
constexpr int32_t kHundredthsPerHour = 360000;
constexpr int32_t kHundredthsPerMinute = 6000;

lxw_row_t LibraryRow(uint32_t row) {
    return row - 1;
} // row 0 wraps past the last row: the library refuses it
lxw_col_t LibraryColumn(uint16_t column) {
    return static_cast<lxw_col_t>(column - 1);
}

lxw_row_col_options RowColOptions(std::optional<uint8_t> hidden, std::optional<uint8_t> level,
                                  std::optional<uint8_t> collapsed) {
    lxw_row_col_options options{};
    options.hidden = hidden.value_or(0);
    options.level = level.value_or(0);
    options.collapsed = collapsed.value_or(0);
    return options;
}

// The date-time record of a day number and a time (hundredths of a second since midnight + 1).
bool DateTime(int32_t dayNumber, int32_t time, lxw_datetime& datetime) {
    datetime = {};
    if (!base::CalendarDate(dayNumber, datetime.year, datetime.month, datetime.day)) return false;
    const int32_t t = time > 0 ? time - 1 : 0;
    datetime.hour = t / kHundredthsPerHour;
    datetime.min = (t - datetime.hour * kHundredthsPerHour) / kHundredthsPerMinute;
    // Whole seconds: the hundredths are dropped on purpose.
    const int32_t seconds = (t - datetime.hour * kHundredthsPerHour - datetime.min * kHundredthsPerMinute) / 100;
    datetime.sec = seconds;
    return true;
}

} // namespace

lxw_error TXlsxWriterClass::SetRow(uint32_t row, double height, std::optional<uint8_t> hidden,
                                   std::optional<uint8_t> level, std::optional<uint8_t> collapsed) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    if (!hidden && !level && !collapsed) return worksheet_set_row(sheet, LibraryRow(row), height, activeFormat_);
    lxw_row_col_options options = RowColOptions(hidden, level, collapsed);
    return worksheet_set_row_opt(sheet, LibraryRow(row), height, activeFormat_, &options);
}

lxw_error TXlsxWriterClass::SetDataRow(uint32_t row) {
    return SetRow(row, kDataRowHeight, 0, kDataOutlineLevel, 0);
}

lxw_error TXlsxWriterClass::SetSeparatorRow(uint32_t row) {
    return SetRow(row, kSeparatorRowHeight, 0, kDataOutlineLevel, 0);
}

lxw_error TXlsxWriterClass::SetColumn(uint16_t firstColumn, uint16_t lastColumn, double width,
                                      std::optional<uint8_t> hidden, std::optional<uint8_t> level,
                                      std::optional<uint8_t> collapsed) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    const lxw_col_t first = LibraryColumn(firstColumn), last = LibraryColumn(lastColumn);
    if (!hidden && !level && !collapsed) return worksheet_set_column(sheet, first, last, width, activeFormat_);
    lxw_row_col_options options = RowColOptions(hidden, level, collapsed);
    return worksheet_set_column_opt(sheet, first, last, width, activeFormat_, &options);
}

lxw_error TXlsxWriterClass::Merge(uint32_t firstRow, uint16_t firstColumn, uint32_t lastRow, uint16_t lastColumn,
                                  std::string_view text, bool blank) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    if (!blank && firstRow == lastRow && firstColumn == lastColumn) return WriteString(firstRow, firstColumn, text);
    return worksheet_merge_range(sheet, LibraryRow(firstRow), LibraryColumn(firstColumn), LibraryRow(lastRow),
                                 LibraryColumn(lastColumn), blank ? nullptr : Utf8(text), activeFormat_);
}

lxw_error TXlsxWriterClass::WriteBlank(uint32_t row, uint16_t column) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    return worksheet_write_blank(sheet, LibraryRow(row), LibraryColumn(column), activeFormat_);
}

lxw_error TXlsxWriterClass::WriteString(uint32_t row, uint16_t column, std::string_view text) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    return worksheet_write_string(sheet, LibraryRow(row), LibraryColumn(column), Utf8(text), activeFormat_);
}

lxw_error TXlsxWriterClass::WriteNumber(uint32_t row, uint16_t column, double value) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    // The library would write "INF" or "NAN" as the cell's value, which no spreadsheet reads.
    if (!std::isfinite(value)) return LXW_ERROR_PARAMETER_VALIDATION;
    return worksheet_write_number(sheet, LibraryRow(row), LibraryColumn(column), value, activeFormat_);
}

lxw_error TXlsxWriterClass::WriteValue(uint32_t row, uint16_t column, std::string_view text) {
    const std::string_view trimmed = base::Trim(text);
    if (trimmed.empty()) return WriteBlank(row, column);
    if (base::IsNumericText(trimmed)) {
        const double value = base::NumericValue(trimmed);
        // A numeric text too large for a double ("1e999") stays a text rather than becoming infinite.
        if (std::isfinite(value)) return WriteNumber(row, column, value);
    }
    return WriteString(row, column, text);
}

lxw_error TXlsxWriterClass::WriteDate(uint32_t row, uint16_t column, int32_t dayNumber, int32_t time) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    lxw_datetime datetime;
    // No date (0) is shown blank everywhere in the program; the cell keeps its format (borders).
    if (!DateTime(dayNumber, time, datetime)) return WriteBlank(row, column);
    return worksheet_write_datetime(sheet, LibraryRow(row), LibraryColumn(column), &datetime, activeFormat_);
}

} // namespace kvilo::xlsx
