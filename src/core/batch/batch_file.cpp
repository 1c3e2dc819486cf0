#include "core/batch/batch_file.h"

#include "base/cp1251.h"
#include "core/codes/code_check.h"
#include "platform/file.h"
#include "xlsx/sheet_reader.h"

namespace kvilo::batch {

using namespace base::literals;

namespace {

// A code typed into a number cell loses its leading zero (INNs of the regions 01 to 09 begin with one): a
// number one digit short of an INN gets it back when the control digits then match.
std::string CellText(const xlsx::SheetCell& cell) {
    if (cell.number && (cell.text.size() == 9 || cell.text.size() == 11) &&
        codes::CheckCode("0" + cell.text) == codes::CodeCheck::Valid)
        return "0" + cell.text;
    return cell.text;
}

std::vector<CellRow> ToCellRows(const std::vector<xlsx::SheetRow>& sheet) {
    std::vector<CellRow> rows;
    rows.reserve(sheet.size());
    for (const xlsx::SheetRow& row : sheet) {
        CellRow cells{row.rowNumber, {}};
        bool blank = true;
        for (const xlsx::SheetCell& cell : row.cells) {
            cells.cells.push_back(CellText(cell));
            blank = blank && cell.text.empty();
        }
        if (!blank) rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace

bool ReadBatchFile(const std::string& path, std::vector<BatchLine>& lines, std::string& error) {
    platform::File file;
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) {
        error = "Не удалось открыть файл: "_ansi + path;
        return false;
    }
    const int64_t size = file.Size();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxListBytes) {
        error = "Файл слишком велик для списка кодов: "_ansi + path;
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    size_t total = 0;
    for (size_t read = 1; total < bytes.size() && read > 0; total += read) {
        if (!file.Read(bytes.data() + total, bytes.size() - total, read)) {
            error = "Не удалось прочитать файл: "_ansi + path;
            return false;
        }
    }
    bytes.resize(total);
    // A zip package is a workbook (.xlsx), whatever the file is called.
    if (!bytes.starts_with("PK\x03\x04")) {
        lines = ToBatchLines(ReadTextCells(bytes));
        return true;
    }
    std::vector<xlsx::SheetRow> sheet;
    if (!xlsx::ReadFirstSheet(bytes, sheet, error)) {
        error += ": "_ansi + path;
        return false;
    }
    lines = ToBatchLines(ToCellRows(sheet));
    return true;
}

} // namespace kvilo::batch
