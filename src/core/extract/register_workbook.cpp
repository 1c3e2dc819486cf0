#include "core/extract/register_workbook.h"

#include <utility>

#include "base/blank_text.h"
#include "base/cp1251.h"
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

void WriteGroupTitles(TXlsxWriterClass& writer) {
    writer.Merge(3, 2, 3, 4, "КОДЫ ФНС"_ansi, false);
    writer.Merge(3, 11, 3, 12, "РУКОВОДИТЕЛЬ"_ansi, false);
    writer.Merge(3, 13, 3, 14, "ФИЛИАЛЫ"_ansi, false);
    writer.Merge(3, 17, 3, 18, "КООРДИНАТЫ"_ansi, false);
}

void WriteColumnTitles(TXlsxWriterClass& writer) {
    writer.FORMAT.BOTTOM.FORMAT = xlsx::kBorderDouble;
    writer.FORMAT.FONTSTYLE = 400;
    writer.ApplyFormat(true);
    const std::pair<uint16_t, const char*> overBothRows[] = {{1, "Полное наименование"_ansi},
                                                             {5, "Л"_ansi},
                                                             {6, "Адрес"_ansi},
                                                             {7, "Актуальность"_ansi},
                                                             {8, "Регистрация"_ansi},
                                                             {9, "Ликвидация"_ansi},
                                                             {10, "Статус"_ansi},
                                                             {15, "ОКВЭД"_ansi},
                                                             {16, "ОКПО"_ansi}};
    for (const auto& [column, text] : overBothRows)
        writer.Merge(3, column, 4, column, text, false);
    const std::pair<uint16_t, const char*> underGroups[] = {
        {2, "ИНН"_ansi},     {3, "КПП"_ansi},  {4, "ОГРН"_ansi},    {11, "ФИО"_ansi},    {12, "Должность"_ansi},
        {13, "Кол-во"_ansi}, {14, "Тип"_ansi}, {17, "Широта"_ansi}, {18, "Долгота"_ansi}};
    for (const auto& [column, text] : underGroups)
        writer.WriteString(4, column, text);
}

void SetColumnWidths(TXlsxWriterClass& writer) {
    struct Width {
        uint16_t first, last;
        double width;
    };
    const Width widths[] = {{1, 1, 40},   {2, 2, 15},   {3, 3, 12},   {4, 4, 20},   {5, 5, 4},
                            {6, 6, 40},   {7, 9, 15},   {10, 10, 15}, {11, 12, 20}, {13, 13, 8},
                            {14, 14, 15}, {15, 16, 12}, {17, 18, 12}};
    for (const Width& w : widths)
        writer.SetColumn(w.first, w.last, w.width);
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
    WriteGroupTitles(writer);
    WriteColumnTitles(writer);
    writer.ResetFormat();
    SetColumnWidths(writer);
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
    const std::string path = writer.FileName();
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
