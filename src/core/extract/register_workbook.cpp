#include "core/extract/register_workbook.h"

#include <utility>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/extract/register_rows.h"
#include "core/framework/message_presenter.h"
#include "platform/special_folders.h"
#include "platform/temp_names.h"

namespace kvilo::extract {
namespace {

using namespace base::literals;
using xlsx::TXlsxWriterClass;

const char* const kProgramTitle = "Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»"_ansi;

bool SomethingAt(const std::string& path) {
    return platform::FileExists(path) || platform::FolderExists(path);
}

void ShowError(std::string text) {
    framework::Message message;
    message.caption = "Ошибка"_ansi;
    message.text = std::move(text);
    framework::ShowMessage(message);
}

void FillProperties(xlsx::TXlsxProperties& properties, std::string_view title) {
    properties = {};
    properties.TITLE = std::string(base::Trim(title));
    properties.SUBJECT = kProgramTitle;
    properties.COMPANY = kMakerSiteAddress;
    properties.CATEGORY = "Реестр выписки из ЕГРЮЛ / ЕГРИП»"_ansi;
    properties.KEYWORDS = kProgramTitle;
    properties.COMMENTS =
        "Отчёт создан в программе:\r\n"_ansi + std::string(kProgramTitle) + "\r\nСайт: "_ansi + kMakerSiteAddress;
}

// The header cells share one look; only the bottom line and the weight change between the two rows.
void ApplyHeaderLook(TXlsxWriterClass& writer) {
    writer.ResetFormat();
    writer.FORMAT.ALIGN = xlsx::kAlignLeft;
    writer.FORMAT.ALIGNV = xlsx::kAlignTop;
    writer.FORMAT.WRAPTEXT = 1;
    writer.FORMAT.FONTSTYLE = xlsx::kFontWeightBold;
    writer.FORMAT.BORDER.FORMAT = xlsx::kBorderThin;
    writer.ApplyFormat(true);
}

} // namespace

std::string NewExportPath() {
    return platform::TempFolder() + platform::NewGuidName() + ".xlsx";
}

bool CreateRegisterWorkbook(TXlsxWriterClass& writer, const std::string& path, std::string_view title,
                            uint16_t firstColumn, uint32_t row, uint16_t lastColumn, double fontSize, bool streamed) {
    if (SomethingAt(path)) platform::RemoveFile(path);
    if (SomethingAt(path)) {
        ShowError("Нет доступа к файлу: "_ansi + path);
        return false;
    }
    if (writer.NewWorkbook(path, streamed, !streamed) == nullptr) return false;
    FillProperties(writer.PROPERTIES, title);
    writer.SetProperties();
    return writer.AddTitledSheet("Лист1"_ansi, title, row, firstColumn, lastColumn, fontSize) == LXW_NO_ERROR;
}

void WriteRegisterHeader(TXlsxWriterClass& writer) {
    writer.SetLandscape();
    writer.HideZero();
    writer.SetRow(2, 8.0);
    ApplyHeaderLook(writer);
    WriteRegisterColumnTitles(writer);
    writer.ResetFormat();
    SetRegisterColumnWidths(writer);
    writer.FreezePanes(kFirstDataRow, 1);
}

void WriteRegisterTotals(TXlsxWriterClass& writer, uint32_t row, int32_t rowCount) {
    writer.ResetFormat();
    writer.SetSeparatorRow(row);
    writer.FORMAT.ALIGN = xlsx::kAlignLeft;
    writer.FORMAT.ALIGNV = xlsx::kAlignTop;
    writer.FORMAT.FONTSTYLE = xlsx::kFontWeightBold;
    writer.FORMAT.BORDER.FORMAT = xlsx::kBorderThin;
    writer.ApplyFormat(true);
    writer.WriteString(row + 1, 1, "ИТОГО"_ansi);
    writer.FORMAT.ALIGN = xlsx::kAlignRight;
    writer.ApplyFormat(true);
    writer.WriteNumber(row + 1, 2, rowCount);
}

std::string CloseRegisterWorkbook(TXlsxWriterClass& writer) {
    writer.OutlineSettings(1, 0, 0, 0);
    std::string path = writer.FileName();
    // A failed close may leave a partial package behind: it is removed rather than opened as a workbook.
    const bool written = writer.CloseWorkbook() == LXW_NO_ERROR;
    if (!written && platform::FileExists(path)) platform::RemoveFile(path);
    if (path.empty() || !written || !platform::FileExists(path)) {
        ShowError("Отсутствует файл XLSX для выполнения операции !"_ansi);
        return {};
    }
    return path;
}

} // namespace kvilo::extract
