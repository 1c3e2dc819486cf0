#pragma once
// The data rows of the register workbook: one result row per sheet row, from row 5 on.
#include <cstdint>

#include "core/lookup/party_row.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::extract {

// Writes `party` into sheet row `row`: texts, the branch count as a grouped number (zero hidden by the sheet)
// and the three dates as date cells.
void WriteRegisterRow(xlsx::TXlsxWriterClass& writer, uint32_t row, const lookup::PartyRow& party);

} // namespace kvilo::extract
