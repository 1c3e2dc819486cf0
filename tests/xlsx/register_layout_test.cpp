// The register workbook of the export, written through the layer exactly as the export lays it out, and read
// back as a spreadsheet reader sees it: an integration test of the whole layer.
#include <gtest/gtest.h>

#include "platform/cp1251.h"
#include "platform/dates.h"
#include "workbook_reader.h"
#include "xlsx/xlsx_writer.h"

using namespace kvilo::platform::literals;
using namespace kvilo::xlsx;
using namespace kvilo::xlsx::testing;

namespace {

struct Row {
    std::string name, inn, kpp, ogrn, form, address, status, director, post, branchType, okved, okpo, lat, lon;
    std::string branchCount;
    int32_t actual = 0, registered = 0, liquidated = 0;
};

void ApplyLook(TXlsxWriterClass& w, uint8_t align, uint8_t alignV, bool wrap, int32_t style) {
    w.ResetFormat();
    w.FORMAT.ALIGN = align;
    w.FORMAT.ALIGNV = alignV;
    w.FORMAT.WRAPTEXT = wrap ? 1 : 0;
    w.FORMAT.FONTSTYLE = style;
    w.FORMAT.BORDER.FORMAT = kBorderThin;
    w.ApplyFormat(true);
}

void WriteHeader(TXlsxWriterClass& w) {
    w.SetLandscape();
    w.HideZero();
    w.SetRow(2, 8.0);
    ApplyLook(w, kAlignLeft, kAlignTop, true, kFontWeightBold);
    w.Merge(3, 2, 3, 4, "КОДЫ ФНС"_ansi, false);
    w.Merge(3, 11, 3, 12, "РУКОВОДИТЕЛЬ"_ansi, false);
    w.Merge(3, 13, 3, 14, "ФИЛИАЛЫ"_ansi, false);
    w.Merge(3, 17, 3, 18, "КООРДИНАТЫ"_ansi, false);
    w.FORMAT.BOTTOM.FORMAT = kBorderDouble;
    w.FORMAT.FONTSTYLE = 400;
    w.ApplyFormat(true);
    const std::pair<uint16_t, const char*> merged[] = {{1, "Полное наименование"_ansi},
                                                       {5, "Л"_ansi},
                                                       {6, "Адрес"_ansi},
                                                       {7, "Актуальность"_ansi},
                                                       {8, "Регистрация"_ansi},
                                                       {9, "Ликвидация"_ansi},
                                                       {10, "Статус"_ansi},
                                                       {15, "ОКВЭД"_ansi},
                                                       {16, "ОКПО"_ansi}};
    for (const auto& [column, text] : merged)
        w.Merge(3, column, 4, column, text, false);
    const std::pair<uint16_t, const char*> titles[] = {{2, "ИНН"_ansi},  {3, "КПП"_ansi},        {4, "ОГРН"_ansi},
                                                       {11, "ФИО"_ansi}, {12, "Должность"_ansi}, {13, "Кол-во"_ansi},
                                                       {14, "Тип"_ansi}, {17, "Широта"_ansi},    {18, "Долгота"_ansi}};
    for (const auto& [column, text] : titles)
        w.WriteString(4, column, text);
    w.ResetFormat();
    const std::tuple<uint16_t, uint16_t, double> widths[] = {
        {1, 1, 40},   {2, 2, 15},   {3, 3, 12},  {4, 4, 20},   {5, 5, 4},    {6, 6, 40},  {7, 9, 15},
        {10, 10, 15}, {11, 12, 20}, {13, 13, 8}, {14, 14, 15}, {15, 16, 12}, {17, 18, 12}};
    for (const auto& [first, last, width] : widths)
        w.SetColumn(first, last, width);
    w.FreezePanes(5, 1);
}

void WriteRow(TXlsxWriterClass& w, uint32_t r, const Row& row) {
    w.ResetFormat();
    w.SetDataRow(r);
    ApplyLook(w, kAlignLeft, kAlignTop, true, 0);
    const std::pair<uint16_t, const std::string*> texts[] = {
        {1, &row.name},  {2, &row.inn},         {3, &row.kpp},     {4, &row.ogrn},
        {5, &row.form},  {6, &row.address},     {10, &row.status}, {11, &row.director},
        {12, &row.post}, {14, &row.branchType}, {15, &row.okved},  {16, &row.okpo}};
    for (const auto& [column, text] : texts)
        w.WriteString(r, column, *text);
    w.FORMAT.WRAPTEXT = 0;
    w.FORMAT.ALIGN = kAlignRight;
    w.WriteString(r, 17, row.lat);
    w.WriteString(r, 18, row.lon);
    w.SetNumberFormat(0, false);
    w.WriteValue(r, 13, row.branchCount);
    w.SetDateFormat();
    w.WriteDate(r, 7, row.actual, 0);
    w.WriteDate(r, 8, row.registered, 0);
    w.WriteDate(r, 9, row.liquidated, 0);
}

void WriteTotals(TXlsxWriterClass& w, uint32_t r, double count) {
    w.ResetFormat();
    w.SetSeparatorRow(r);
    ApplyLook(w, kAlignLeft, kAlignTop, false, kFontWeightBold);
    w.WriteString(r + 1, 1, "ИТОГО"_ansi);
    w.FORMAT.ALIGN = kAlignRight;
    w.ApplyFormat(true);
    w.WriteNumber(r + 1, 2, count);
}

class RegisterLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        path = new std::string(ScratchPath("register"));
        TXlsxWriterClass w;
        ASSERT_NE(w.NewWorkbook(*path, false, true), nullptr);
        w.PROPERTIES.TITLE = "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi;
        w.PROPERTIES.SUBJECT = "Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»"_ansi;
        w.PROPERTIES.CATEGORY = "Реестр выписки из ЕГРЮЛ / ЕГРИП»"_ansi;
        w.PROPERTIES.COMMENTS = "Отчёт создан в программе:\r\nKvilo\r\nСайт: https://example.org"_ansi;
        ASSERT_EQ(w.SetProperties(), LXW_NO_ERROR);
        ASSERT_EQ(w.AddTitledSheet("Лист1"_ansi, "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi, 1, 1, 2, 14), LXW_NO_ERROR);
        WriteHeader(w);
        Row row{"ООО \"Ромашка\"\r\nфилиал"_ansi,
                "7707083893",
                "773601001",
                "1027700132195",
                "Ю"_ansi,
                "г Москва, ул Вавилова, д 19"_ansi,
                "Действующая"_ansi,
                "Иванов Иван Иванович"_ansi,
                "Президент"_ansi,
                "",
                "64.19",
                "00032537",
                "55.70",
                "37.59",
                "0"};
        row.actual = kvilo::platform::DayNumber(2024, 3, 15);
        row.registered = kvilo::platform::DayNumber(1991, 6, 20);
        WriteRow(w, 5, row);
        WriteTotals(w, 6, 1);
        w.OutlineSettings(1, 0, 0, 0);
        ASSERT_EQ(w.CloseWorkbook(), LXW_NO_ERROR);
        dump = new WorkbookDump(ReadBack(*path));
    }
    static void TearDownTestSuite() {
        delete dump;
        delete path;
    }
    static std::string Cell(std::string_view coordinate) { return dump->Cell(coordinate); }
    static bool CellHas(std::string_view coordinate, std::string_view part) {
        return Cell(coordinate).find(part) != std::string::npos;
    }

    static inline std::string* path = nullptr;
    static inline WorkbookDump* dump = nullptr;
};

} // namespace

TEST_F(RegisterLayout, IsReadable) {
    ASSERT_TRUE(dump->readable) << dump->text;
}

TEST_F(RegisterLayout, TitleIsMergedOverA1B1InBold14) {
    EXPECT_TRUE(dump->Has("merged A1:B1")) << dump->text;
    EXPECT_TRUE(CellHas("A1", "value='Запрос выписки из ЕГРЮЛ / ЕГРИП' fmt='General' bold=True italic=False "
                              "size=14.0 halign=left valign=center wrap=False"))
        << Cell("A1");
}

TEST_F(RegisterLayout, GroupAndColumnTitlesOnRows3And4) {
    for (const char* range : {"B3:D3", "K3:L3", "M3:N3", "Q3:R3", "A3:A4", "E3:E4", "F3:F4", "G3:G4", "H3:H4", "I3:I4",
                              "J3:J4", "O3:O4", "P3:P4"})
        EXPECT_TRUE(dump->Has(std::string("merged ") + range)) << range;
    EXPECT_EQ(CountOf(dump->text, "\nmerged "), 14u);
    EXPECT_TRUE(CellHas("B3", "value='КОДЫ ФНС' fmt='General' bold=True italic=False size=11.0 halign=left "
                              "valign=top wrap=True border=thin,thin,thin,thin"))
        << Cell("B3");
    EXPECT_TRUE(CellHas("Q3", "value='КООРДИНАТЫ' "));
    EXPECT_TRUE(CellHas("A3", "value='Полное наименование' fmt='General' bold=False italic=False size=11.0 "
                              "halign=left valign=top wrap=True border=thin,thin,thin,double"))
        << Cell("A3");
    EXPECT_TRUE(CellHas("B4", "value='ИНН' "));
    EXPECT_TRUE(CellHas("M4", "value='Кол-во' fmt='General' bold=False"));
    EXPECT_TRUE(CellHas("R4", "value='Долгота' "));
}

TEST_F(RegisterLayout, ColumnWidthsAndFrozenPane) {
    EXPECT_TRUE(dump->Has("freeze A5")) << dump->text;
    // The file stores widths with the padding a spreadsheet adds to a width in characters.
    for (const char* line : {"column 1 1 width=40.7109375", "column 2 2 width=15.7109375", "column 5 5 width=4.7109375",
                             "column 7 9 width=15.7109375", "column 11 12 width=20.7109375",
                             "column 13 13 width=8.7109375", "column 17 18 width=12.7109375"})
        EXPECT_TRUE(dump->Has(line)) << line << "\n" << dump->text;
}

TEST_F(RegisterLayout, OneResultRowThenSeparatorThenTotals) {
    EXPECT_TRUE(dump->Has("row 2 height=8.0 level=0 hidden=False")) << dump->text;
    EXPECT_TRUE(dump->Has("defaultrowheight 15.0"));
    EXPECT_TRUE(dump->Has("row 5 height=None level=1 hidden=False")); // the default 15 points
    EXPECT_TRUE(dump->Has("row 6 height=7.5 level=1 hidden=False"));
    EXPECT_TRUE(CellHas("A5", "value='ООО \"Ромашка\"\\nфилиал' ")); // CR LF stored as LF
    EXPECT_TRUE(CellHas("B5", "type=s value='7707083893' fmt='General' bold=False italic=False size=11.0 "
                              "halign=left valign=top wrap=True border=thin,thin,thin,thin"));
    EXPECT_TRUE(CellHas("E5", "value='Ю' "));
    EXPECT_TRUE(CellHas("Q5", "type=s value='55.70' fmt='General' bold=False italic=False size=11.0 halign=left "
                              "valign=top wrap=True"))
        << Cell("Q5");
    for (char column = 'A'; column <= 'R'; ++column)
        EXPECT_TRUE(Cell(std::string(1, column) + "6").empty()) << column; // the separator row stays empty
    EXPECT_TRUE(CellHas("A7", "value='ИТОГО' fmt='General' bold=True italic=False size=11.0 halign=left "
                              "valign=top wrap=False"))
        << Cell("A7");
    EXPECT_TRUE(CellHas("B7", "type=n value=1 fmt='General' bold=True italic=False size=11.0 halign=right"));
}

TEST_F(RegisterLayout, DatesAreDateCells) {
    EXPECT_TRUE(CellHas("G5", "type=d value=datetime.datetime(2024, 3, 15, 0, 0) fmt='DD.MM.YYYY' bold=False "
                              "italic=False size=11.0 halign=right valign=top wrap=False border=thin,thin,thin,thin"))
        << Cell("G5");
    EXPECT_TRUE(CellHas("H5", "value=datetime.datetime(1991, 6, 20, 0, 0) fmt='DD.MM.YYYY'"));
    EXPECT_TRUE(CellHas("I5", "value=None fmt='DD.MM.YYYY'")) << Cell("I5"); // no liquidation date
}

TEST_F(RegisterLayout, ZeroBranchCountIsANumberTheSheetHides) {
    EXPECT_TRUE(CellHas("M5", "type=n value=0 fmt='# ##0;-# ##0' bold=False italic=False size=11.0 halign=right "
                              "valign=top wrap=False"))
        << Cell("M5");
    EXPECT_TRUE(dump->Has("showzeros False"));
    EXPECT_TRUE(dump->Has("paper 9 landscape"));
}

TEST_F(RegisterLayout, DocumentProperties) {
    EXPECT_TRUE(dump->Has("property title='Запрос выписки из ЕГРЮЛ / ЕГРИП'")) << dump->text;
    EXPECT_TRUE(dump->Has("property subject='Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property category='Реестр выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property description='Отчёт создан в программе:\\nKvilo\\nСайт: https://example.org'"));
}

TEST_F(RegisterLayout, AHandfulOfLooksMakesAHandfulOfFormats) {
    const std::string styles = ReadPart(*path, "xl/styles.xml");
    // default, title, group titles, column titles, data text, number, date, totals text, totals number
    EXPECT_NE(styles.find("<cellXfs count=\"9\">"), std::string::npos) << styles;
}
