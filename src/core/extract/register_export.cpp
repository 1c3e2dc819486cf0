#include "core/extract/register_export.h"

#include "core/extract/register_rows.h"

namespace kvilo::extract {

std::string ExportRegister(xlsx::TXlsxWriterClass& writer, const lookup::PartyRows& rows, std::string_view title) {
    if (rows.empty()) return {};
    return ExportRegisterTo(writer, NewExportPath(), rows, title);
}

std::string ExportRegisterTo(xlsx::TXlsxWriterClass& writer, const std::string& path, const lookup::PartyRows& rows,
                             std::string_view title) {
    if (rows.empty()) return {};
    // A workbook without its sheet or title has already been explained (or cannot be): stop quietly.
    if (!CreateRegisterWorkbook(writer, path, title, kTitleFirstColumn, kTitleRow, kTitleLastColumn, kTitleFontSize))
        return {};
    WriteRegisterHeader(writer);
    uint32_t row = kFirstDataRow;
    for (const lookup::PartyRow& party : rows)
        WriteRegisterRow(writer, row++, party);
    WriteRegisterTotals(writer, row, static_cast<int32_t>(rows.size()));
    return CloseRegisterWorkbook(writer);
}

} // namespace kvilo::extract
