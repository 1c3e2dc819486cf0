#pragma once
// The register export: every result row, in list order, into a new workbook.
#include <string>
#include <string_view>

#include "base/cp1251.h"
#include "core/extract/register_workbook.h"
#include "core/lookup/party_row.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::extract {

// Only the Windows-1251 literal, not the whole namespace, for the texts declared below.
using base::literals::operator""_ansi;

// The title the main window gives the export.
inline const char* const kRegisterTitle = "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi;

// Writes `rows` to a new file in the "RAM" or temporary folder. Does nothing for an empty list. Returns the path of the
// written workbook, or an empty text when nothing was written (the user has then been told why, except when the list
// was empty).
std::string ExportRegister(xlsx::TXlsxWriterClass& writer, const lookup::PartyRows& rows, std::string_view title);

// The same into the file at `path` (tests choose the file).
std::string ExportRegisterTo(xlsx::TXlsxWriterClass& writer, const std::string& path, const lookup::PartyRows& rows,
                             std::string_view title);

} // namespace kvilo::extract
