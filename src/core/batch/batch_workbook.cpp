#include "core/batch/batch_workbook.h"

#include <algorithm>

#include "base/cp1251.h"
#include "core/extract/register_rows.h"
#include "core/extract/register_workbook.h"

namespace kvilo::batch {

using namespace base::literals;

namespace {

constexpr double kLineColumnWidth = 10;
constexpr double kCodeColumnWidth = 20;
constexpr double kReasonColumnWidth = 70;

} // namespace

std::string BatchTitle(std::string_view fileName) {
    return "Проверка списка из файла "_ansi + std::string(fileName);
}

bool BatchWorkbook::Open(const std::string& path, std::string_view title) {
    if (!extract::CreateRegisterWorkbook(writer_, path, title, extract::kTitleFirstColumn, extract::kTitleRow,
                                         extract::kTitleLastColumn, extract::kTitleFontSize, true))
        return false;
    extract::WriteRegisterHeader(writer_);
    nextRow_ = extract::kFirstDataRow;
    return true;
}

void BatchWorkbook::Add(const BatchLine& line, const CodeResult& result) {
    if (result.outcome == CodeOutcome::Found) {
        extract::WriteRegisterRow(writer_, nextRow_++, result.row);
        return;
    }
    auto it = std::find(reasons_.begin(), reasons_.end(), result.reason);
    if (it == reasons_.end()) it = reasons_.insert(reasons_.end(), result.reason);
    missing_.push_back({line.lineNumber, line.text, static_cast<uint16_t>(it - reasons_.begin())});
}

std::string BatchWorkbook::Close() {
    extract::WriteRegisterTotals(writer_, nextRow_, static_cast<int32_t>(nextRow_ - extract::kFirstDataRow));
    if (writer_.AddSheet("Не найдено"_ansi, false)) {
        writer_.ResetFormat();
        writer_.SetColumn(1, 1, kLineColumnWidth);
        writer_.SetColumn(2, 2, kCodeColumnWidth);
        writer_.SetColumn(3, 3, kReasonColumnWidth);
        writer_.FORMAT.FONTSTYLE = xlsx::kFontWeightBold;
        writer_.ApplyFormat(true);
        writer_.WriteString(1, 1, "Строка"_ansi);
        writer_.WriteString(1, 2, "Код"_ansi);
        writer_.WriteString(1, 3, "Причина"_ansi);
        writer_.ResetFormat();
        writer_.ApplyFormat(true);
        uint32_t row = 2;
        for (const Missing& entry : missing_) {
            writer_.WriteNumber(row, 1, static_cast<double>(entry.lineNumber));
            // The code as text: a number would lose the leading zero of an INN.
            writer_.WriteString(row, 2, entry.text);
            writer_.WriteString(row, 3, reasons_[entry.reason]);
            ++row;
        }
    }
    return extract::CloseRegisterWorkbook(writer_);
}

} // namespace kvilo::batch
