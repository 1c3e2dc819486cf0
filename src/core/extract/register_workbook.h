#pragma once
// The register workbook of the export, step by step: the output path, the workbook with its properties and
// title, the fixed header rows, the closing separator and totals rows, and closing (and opening) the file.
// The data rows are written by register_rows.h; register_export.h runs the whole export. Messages go
// through the framework's presenter; texts are Windows-1251.
#include <cstdint>
#include <string>
#include <string_view>

#include "xlsx/xlsx_writer.h"

namespace kvilo::extract {

// The maker's web site, named in the workbook's properties.
inline constexpr const char* kMakerSiteAddress = "https://www.tarvelo.ru/";

// Where the title goes and how big it is.
inline constexpr uint16_t kTitleFirstColumn = 1;
inline constexpr uint32_t kTitleRow = 1;
inline constexpr uint16_t kTitleLastColumn = 2;
inline constexpr double kTitleFontSize = 14;

// The first data row, below the two header rows.
inline constexpr uint32_t kFirstDataRow = 5;

// A fresh output file: the "RAM" folder when it exists (else the temporary folder), a new GUID name and
// ".xlsx".
std::string NewExportPath();

// Starts the workbook at `path` with its document properties and a sheet "Лист1" that carries `title`.
// An earlier file or folder at `path` that cannot be removed is reported ("Нет доступа к файлу: ") and
// nothing is written. False when the workbook, its sheet or its title could not be made. With `streamed`, rows
// go to the file as they are written (in order, never revisited), so that a long list costs no memory.
bool CreateRegisterWorkbook(xlsx::TXlsxWriterClass& writer, const std::string& path, std::string_view title,
                            uint16_t firstColumn, uint32_t row, uint16_t lastColumn, double fontSize,
                            bool streamed = false);

// Landscape, zeros hidden, the spacer row 2, the group and column titles of rows 3 and 4, the column widths
// and the panes frozen below row 4.
void WriteRegisterHeader(xlsx::TXlsxWriterClass& writer);

// The empty separator row at `row` and, below it, "ИТОГО" with the number of data rows.
void WriteRegisterTotals(xlsx::TXlsxWriterClass& writer, uint32_t row, int32_t rowCount);

// Sets the outline and writes the file. Returns the path of the written workbook; when the file could not
// be written, shows "Отсутствует файл XLSX для выполнения операции !" and returns an empty text. Opening the
// workbook is the caller's choice (the window opens it, kvilo-cli only prints its path).
std::string CloseRegisterWorkbook(xlsx::TXlsxWriterClass& writer);

} // namespace kvilo::extract
