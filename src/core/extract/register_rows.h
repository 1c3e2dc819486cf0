#pragma once
// The register sheet's columns, one per party field in the order of the field list (party_fields.h): their
// titles on rows 3 and 4, their widths, and the data rows from row 5 on.
#include <cstdint>

#include "core/lookup/party_row.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::extract {

// Row 3 holds each group's title in capitals, merged over its columns; a column outside any group has its
// title merged over rows 3 and 4, a column of a group its own on row 4. The caller has applied the bold
// header look; the column titles take it without the weight and with a double bottom line.
void WriteRegisterColumnTitles(xlsx::TXlsxWriterClass& writer);

// The columns' widths in characters; neighbours of the same width and the same kind of value (three
// dates, two coordinates) share one call.
void SetRegisterColumnWidths(xlsx::TXlsxWriterClass& writer);

// Writes `party` into sheet row `row`: texts, the coordinates as right-aligned texts, the branch count as a
// grouped number (zero hidden by the sheet) and the dates as date cells.
void WriteRegisterRow(xlsx::TXlsxWriterClass& writer, uint32_t row, const lookup::PartyRow& party);

} // namespace kvilo::extract
