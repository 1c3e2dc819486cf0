// The workbook and worksheet operations, read back from the written files.
#include "xlsx/xlsx_writer.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "base/cp1251.h"
#include "base/dates.h"
#include "platform/command_line.h"
#include "workbook_reader.h"
#include "xlsx/xlsx_text.h"

using namespace kvilo::base::literals;
using namespace kvilo::xlsx;
using namespace kvilo::xlsx::testing;

namespace {

class XlsxWriter : public ::testing::Test {
protected:
    // A workbook with one worksheet "S", to be closed by Close().
    void Open(std::string_view name) {
        path = ScratchPath(name);
        ASSERT_NE(writer.NewWorkbook(path, false, true), nullptr);
        ASSERT_TRUE(writer.AddSheet("S", false));
    }
    void Close() { ASSERT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR); }
    std::string Sheet() const { return ReadPart(path, "xl/worksheets/sheet1.xml"); }

    TXlsxWriterClass writer;
    std::string path;
};

} // namespace

// --- texts ---------------------------------------------------------------------------------------------

TEST_F(XlsxWriter, StoresCrLfAsLf) {
    Open("crlf");
    EXPECT_EQ(writer.WriteString(1, 1, "first\r\nsecond"), LXW_NO_ERROR);
    EXPECT_EQ(writer.Merge(2, 1, 2, 2, "merged\r\nline", false), LXW_NO_ERROR);
    Close();
    const std::string strings = ReadPart(path, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("first\nsecond"), std::string::npos) << strings;
    EXPECT_NE(strings.find("merged\nline"), std::string::npos) << strings;
    EXPECT_EQ(strings.find("_x000D_"), std::string::npos);
    const WorkbookDump dump = ReadBack(path);
    EXPECT_NE(dump.Cell("A1").find("value='first\\nsecond'"), std::string::npos) << dump.text;
}

TEST_F(XlsxWriter, WritesCyrillicAsUtf8) {
    Open("cyrillic");
    writer.WriteString(1, 1, "Полное наименование"_ansi);
    Close();
    EXPECT_NE(ReadPart(path, "xl/sharedStrings.xml").find("Полное наименование"), std::string::npos);
}

TEST_F(XlsxWriter, ControlCharactersAndOverlongTextsLeaveAReadableWorkbook) {
    Open("bad-texts");
    writer.PROPERTIES.TITLE = "ti\x01tle";
    writer.PROPERTIES.COMMENTS = std::string("a\0b\x1f", 4);
    writer.SetProperties();
    EXPECT_EQ(writer.SetHeader("head\x02", {}, {}), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteString(1, 1, "bell\x07 and escape\x1b"), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteString(2, 1, std::string(40000, 'x')), LXW_NO_ERROR);
    EXPECT_EQ(writer.Merge(3, 1, 3, 3, std::string(33000, 'y') + "\x01", false), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_TRUE(dump.Has("property title='title'")) << dump.text;
    EXPECT_NE(dump.Cell("A1").find("value='bell and escape'"), std::string::npos);
    const std::string strings = ReadPart(path, "xl/sharedStrings.xml");
    EXPECT_EQ(CountOf(strings, std::string(kMaxCellTextLength, 'x')), 1u);
    EXPECT_EQ(CountOf(strings, std::string(kMaxCellTextLength + 1, 'x')), 0u);
    EXPECT_EQ(CountOf(strings, std::string(kMaxCellTextLength, 'y') + "<"), 1u);
    EXPECT_TRUE(dump.Has("merged A3:C3"));
}

// --- values --------------------------------------------------------------------------------------------

TEST_F(XlsxWriter, WriteValueChoosesBlankNumberOrText) {
    Open("values");
    writer.FORMAT.BORDER.FORMAT = kBorderThin;
    writer.ApplyFormat(true);
    EXPECT_EQ(writer.WriteValue(1, 1, "    "), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteValue(1, 2, " 12.5 "), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteValue(1, 3, "12a5"), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteValue(1, 4, "-7"), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteValue(1, 5, "1e999"), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_NE(dump.Cell("A1").find("value=None"), std::string::npos) << dump.text;
    EXPECT_NE(dump.Cell("A1").find("border=thin"), std::string::npos); // a blank cell keeps its format
    EXPECT_NE(dump.Cell("B1").find("type=n value=12.5 "), std::string::npos);
    EXPECT_NE(dump.Cell("C1").find("type=s value='12a5'"), std::string::npos);
    EXPECT_NE(dump.Cell("D1").find("type=n value=-7 "), std::string::npos);
    EXPECT_NE(dump.Cell("E1").find("type=s value='1e999'"), std::string::npos);
}

TEST_F(XlsxWriter, RefusesNumbersTheFileCannotHold) {
    Open("non-finite");
    EXPECT_EQ(writer.WriteNumber(1, 1, std::numeric_limits<double>::infinity()), LXW_ERROR_PARAMETER_VALIDATION);
    EXPECT_EQ(writer.WriteNumber(1, 2, std::numeric_limits<double>::quiet_NaN()), LXW_ERROR_PARAMETER_VALIDATION);
    EXPECT_EQ(writer.WriteNumber(1, 3, 0.0), LXW_NO_ERROR);
    Close();
    EXPECT_EQ(Sheet().find("INF"), std::string::npos);
    EXPECT_TRUE(ReadBack(path).readable);
}

TEST_F(XlsxWriter, WriteDateConvertsDayNumbersAndTimes) {
    Open("dates");
    writer.SetDateFormat();
    const int32_t day = kvilo::base::DayNumber(2024, 3, 15);
    writer.WriteDate(1, 1, day, 0);
    writer.WriteDate(2, 1, day, 1);
    writer.WriteDate(3, 1, day, 4500001);
    writer.WriteDate(4, 1, kvilo::base::kNoDate, 0);
    Close();
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_NE(dump.Cell("A1").find("value=datetime.datetime(2024, 3, 15, 0, 0) fmt='DD.MM.YYYY'"), std::string::npos)
        << dump.text;
    EXPECT_NE(dump.Cell("A2").find("value=datetime.datetime(2024, 3, 15, 0, 0) "), std::string::npos);
    EXPECT_NE(dump.Cell("A3").find("value=datetime.datetime(2024, 3, 15, 12, 30) "), std::string::npos);
    EXPECT_NE(dump.Cell("A4").find("value=None fmt='DD.MM.YYYY'"), std::string::npos); // no date: blank
}

// --- merges, rows, columns, panes, page ------------------------------------------------------------------

TEST_F(XlsxWriter, MergeOverASingleCellWritesWithoutMerging) {
    Open("single-merge");
    EXPECT_EQ(writer.Merge(2, 3, 2, 3, "alone", false), LXW_NO_ERROR);
    EXPECT_EQ(writer.Merge(4, 1, 5, 2, "", true), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    EXPECT_NE(dump.Cell("C2").find("value='alone'"), std::string::npos) << dump.text;
    EXPECT_FALSE(dump.Has("merged C2:C2"));
    EXPECT_TRUE(dump.Has("merged A4:B5"));
    EXPECT_EQ(CountOf(Sheet(), "<mergeCell "), 1u);
}

TEST_F(XlsxWriter, RowsAndColumnsCountFromOne) {
    Open("rows-columns");
    EXPECT_EQ(writer.SetRow(2, 8.0), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetDataRow(5), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetSeparatorRow(6), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetRow(7, 20.0, 1), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetColumn(1, 1, 40), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetColumn(7, 9, 15), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetColumn(10, 10, 5, {}, 2), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteString(1, 1, "A1"), LXW_NO_ERROR);
    EXPECT_NE(writer.WriteString(0, 1, "row 0"), LXW_NO_ERROR); // there is no row 0
    EXPECT_NE(writer.SetRow(0, 10), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_NE(dump.Cell("A1").find("value='A1'"), std::string::npos);
    EXPECT_TRUE(dump.Has("row 2 height=8.0 level=0 hidden=False")) << dump.text;
    // 15 points is the sheet's default height, which the file does not repeat row by row.
    EXPECT_TRUE(dump.Has("defaultrowheight 15.0"));
    EXPECT_TRUE(dump.Has("row 5 height=None level=1 hidden=False"));
    EXPECT_TRUE(dump.Has("row 6 height=7.5 level=1 hidden=False"));
    EXPECT_TRUE(dump.Has("row 7 height=20.0 level=0 hidden=True"));
    const std::string sheet = Sheet();
    EXPECT_NE(sheet.find(R"(<col min="1" max="1" width="40.7109375")"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find(R"(<col min="7" max="9" width="15.7109375")"), std::string::npos);
    EXPECT_NE(sheet.find(R"(<col min="10" max="10" width="5.7109375" customWidth="1" outlineLevel="2"/>)"),
              std::string::npos);
}

TEST_F(XlsxWriter, FreezesPanesAboveAndLeftOfTheCell) {
    Open("panes");
    EXPECT_EQ(writer.FreezePanes(5, 1), LXW_NO_ERROR);
    EXPECT_NE(writer.FreezePanes(0, 1), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    EXPECT_TRUE(dump.Has("freeze A5")) << dump.text;
    EXPECT_NE(Sheet().find(R"(<pane ySplit="4" topLeftCell="A5" activePane="bottomLeft" state="frozen"/>)"),
              std::string::npos);
}

TEST_F(XlsxWriter, SetsPageHideZeroAndOutline) {
    Open("page");
    writer.SetPaper(9);
    writer.SetLandscape();
    writer.SetMargins(2.54, {}, 1.27, {});
    EXPECT_EQ(writer.SetHeader("&CHead", {}, 2.54), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetFooter("&CFoot", {}, {}), LXW_NO_ERROR);
    EXPECT_EQ(writer.HideZero(), LXW_NO_ERROR);
    EXPECT_EQ(writer.OutlineSettings(1, 0, 0, 0), LXW_NO_ERROR);
    Close();
    const std::string sheet = Sheet();
    EXPECT_NE(sheet.find(R"(showZeros="0")"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find(R"(<outlinePr summaryBelow="0" summaryRight="0"/>)"), std::string::npos);
    EXPECT_NE(sheet.find(R"(<pageMargins left="1" right="0.7" top="0.5" bottom="0.75" header="1" footer="0.3"/>)"),
              std::string::npos);
    EXPECT_NE(sheet.find(R"(<pageSetup paperSize="9" orientation="landscape"/>)"), std::string::npos);
    EXPECT_NE(sheet.find("<oddHeader>&amp;CHead</oddHeader><oddFooter>&amp;CFoot</oddFooter>"), std::string::npos);
    const WorkbookDump dump = ReadBack(path);
    EXPECT_TRUE(dump.Has("showzeros False")) << dump.text;
}

namespace {

// A 1 x 1 pixel PNG.
const unsigned char kOnePixelPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
    0x0C, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0xC9,
    0xFE, 0x92, 0xEF, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::string WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace

TEST_F(XlsxWriter, HeaderImagesUseTheOptionVariant) {
    const std::string folder = ScratchFolder("header-images");
    const std::string png =
        WriteFile(folder + "/logo.png", {reinterpret_cast<const char*>(kOnePixelPng), sizeof kOnePixelPng});
    Open("header-image");
    TXlsxHeaderImages images;
    images.CENTER = png + "   ";
    EXPECT_EQ(writer.SetHeader("&C&G", images, 1.0), LXW_NO_ERROR);
    Close();
    EXPECT_NE(Sheet().find("<oddHeader>&amp;C&amp;G</oddHeader>"), std::string::npos) << Sheet();
    EXPECT_FALSE(ReadPart(path, "xl/media/image1.png").empty());
    EXPECT_TRUE(ReadBack(path).readable);
}

// The library corrupts its heap when it refuses a header image or placeholder count, so the layer refuses
// such calls first; the sanitizer build would catch a call that slipped through.
TEST_F(XlsxWriter, UnusableHeaderImagesAreRefusedBeforeTheLibrarySeesThem) {
    const std::string folder = ScratchFolder("bad-header-images");
    const std::string png =
        WriteFile(folder + "/logo.png", {reinterpret_cast<const char*>(kOnePixelPng), sizeof kOnePixelPng});
    const std::string text = WriteFile(folder + "/text.png", "not an image");
    std::string noSize(reinterpret_cast<const char*>(kOnePixelPng), sizeof kOnePixelPng);
    noSize[19] = 0; // width 0
    const std::string empty = WriteFile(folder + "/empty.png", noSize);
    Open("bad-header-images");
    EXPECT_EQ(writer.SetHeader("&L", {}, 1.0), LXW_NO_ERROR); // sets the header text the library would free
    for (const std::string& image : {folder + "/missing.png", text, empty, std::string()}) {
        TXlsxHeaderImages images;
        images.LEFT = image;
        EXPECT_EQ(writer.SetHeader("&L&G", images, {}), LXW_ERROR_PARAMETER_VALIDATION) << image;
        EXPECT_EQ(writer.SetFooter("&L&G", images, {}), LXW_ERROR_PARAMETER_VALIDATION) << image;
    }
    TXlsxHeaderImages one;
    one.LEFT = png;
    EXPECT_EQ(writer.SetHeader("no placeholder", one, {}), LXW_ERROR_PARAMETER_VALIDATION);
    EXPECT_EQ(writer.SetHeader("&L&G&C&G", one, {}), LXW_ERROR_PARAMETER_VALIDATION);
    EXPECT_EQ(writer.SetHeader("&L&&G", one, {}), LXW_ERROR_PARAMETER_VALIDATION); // an escaped "&", no image
    EXPECT_EQ(writer.SetHeader("&L&G", {}, 1.0), LXW_ERROR_PARAMETER_VALIDATION);  // a placeholder, no image
    EXPECT_EQ(writer.SetHeader("&L&[Picture]", one, {}), LXW_NO_ERROR);
    Close();
    EXPECT_TRUE(ReadBack(path).readable);
}

TEST_F(XlsxWriter, TitledSheetWritesTheMergedTitle) {
    path = ScratchPath("titled");
    writer.NewWorkbook(path, false, true);
    EXPECT_EQ(writer.AddTitledSheet("Лист1   "_ansi, "   Заголовок  "_ansi, 1, 1, 2, 14), LXW_NO_ERROR);
    EXPECT_EQ(writer.ActiveSheetName(), "Лист1");
    Close();
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_TRUE(dump.Has("sheet 'Лист1'"));
    EXPECT_TRUE(dump.Has("merged A1:B1"));
    EXPECT_NE(dump.Cell("A1").find("value='Заголовок' fmt='General' bold=True italic=False size=14.0 halign=left "
                                   "valign=center wrap=False"),
              std::string::npos)
        << dump.text;
    EXPECT_TRUE(dump.Has("paper 9 portrait"));
    const std::string sheet = ReadPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find(R"(<pageMargins left="0.3149606299212598" right="0.3149606299212598")"), std::string::npos)
        << sheet;
}

TEST_F(XlsxWriter, TitledSheetWrapsOnlyOverOneColumn) {
    path = ScratchPath("titled-wrap");
    writer.NewWorkbook(path, false, true);
    EXPECT_EQ(writer.AddTitledSheet("S", "Title", 2, 3, 3, 11), LXW_NO_ERROR);
    Close();
    const WorkbookDump dump = ReadBack(path);
    EXPECT_NE(dump.Cell("C2").find("value='Title' fmt='General' bold=True italic=False size=11.0 halign=left "
                                   "valign=center wrap=True"),
              std::string::npos)
        << dump.text;
    EXPECT_EQ(CountOf(ReadPart(path, "xl/worksheets/sheet1.xml"), "<mergeCell "), 0u);
}

TEST_F(XlsxWriter, TitledSheetWithoutFontSizeLeavesTheTitleUnformatted) {
    path = ScratchPath("titled-plain");
    writer.NewWorkbook(path, false, true);
    EXPECT_EQ(writer.AddTitledSheet("S", "Title", 1, 1, 2, 0), LXW_NO_ERROR);
    EXPECT_EQ(writer.ActiveFormat(), nullptr);
    EXPECT_EQ(writer.CachedFormatCount(), 0u);
    Close();
    const std::string sheet = ReadPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find(R"(<c r="A1" t="s"><v>0</v></c>)"), std::string::npos) << sheet;
}

TEST_F(XlsxWriter, TitledSheetReportsASheetItCouldNotAdd) {
    path = ScratchPath("titled-duplicate");
    writer.NewWorkbook(path, false, true);
    EXPECT_EQ(writer.AddTitledSheet("S", "Title", 1, 1, 2, 14), LXW_NO_ERROR);
    EXPECT_NE(writer.AddTitledSheet("S", "Title", 1, 1, 2, 14), LXW_NO_ERROR); // the name is taken
    EXPECT_NE(writer.AddTitledSheet("bad[name]", "Title", 0, 0, 0, 0), LXW_NO_ERROR);
    Close();
}

// --- document properties ---------------------------------------------------------------------------------

TEST_F(XlsxWriter, WritesTheDocumentProperties) {
    Open("properties");
    writer.PROPERTIES.TITLE = "Запрос выписки"_ansi;
    writer.PROPERTIES.SUBJECT = "Тема"_ansi;
    writer.PROPERTIES.AUTHOR = "Автор"_ansi;
    writer.PROPERTIES.MANAGER = "Руководитель"_ansi;
    writer.PROPERTIES.COMPANY = "https://example.org";
    writer.PROPERTIES.CATEGORY = "Реестр"_ansi;
    writer.PROPERTIES.KEYWORDS = "Ключ"_ansi;
    writer.PROPERTIES.COMMENTS = "Строка 1\r\nСтрока 2"_ansi;
    writer.PROPERTIES.STATUS = "Готово"_ansi;
    writer.PROPERTIES.CREATED_DATE = kvilo::base::DayNumber(2024, 3, 15);
    writer.PROPERTIES.CREATED_TIME = 4500001 + 4500; // 12:30:45
    EXPECT_EQ(writer.SetProperties(), LXW_NO_ERROR);
    EXPECT_EQ(writer.SetProperties(), LXW_NO_ERROR); // a second call converts the same texts again
    Close();
    const std::string core = ReadPart(path, "docProps/core.xml");
    EXPECT_NE(core.find("<dc:title>Запрос выписки</dc:title>"), std::string::npos) << core;
    EXPECT_NE(core.find("<dc:subject>Тема</dc:subject>"), std::string::npos);
    EXPECT_NE(core.find("<dc:creator>Автор</dc:creator>"), std::string::npos);
    EXPECT_NE(core.find("<cp:keywords>Ключ</cp:keywords>"), std::string::npos);
    EXPECT_NE(core.find("<dc:description>Строка 1\nСтрока 2</dc:description>"), std::string::npos);
    EXPECT_NE(core.find("<cp:category>Реестр</cp:category>"), std::string::npos);
    EXPECT_NE(core.find("<cp:contentStatus>Готово</cp:contentStatus>"), std::string::npos);
    EXPECT_NE(core.find("<dcterms:created xsi:type=\"dcterms:W3CDTF\">2024-03-15T12:30:45Z</dcterms:created>"),
              std::string::npos);
    const std::string app = ReadPart(path, "docProps/app.xml");
    EXPECT_NE(app.find("<Manager>Руководитель</Manager>"), std::string::npos) << app;
    EXPECT_NE(app.find("<Company>https://example.org</Company>"), std::string::npos);
    EXPECT_EQ(writer.PROPERTIES.TITLE, "Запрос выписки"_ansi); // the fields keep the program's text
}

TEST_F(XlsxWriter, CreationTimeWithoutATimeIsLeftToTheLibrary) {
    Open("properties-now");
    writer.PROPERTIES.TITLE = "t";
    writer.PROPERTIES.CREATED_DATE = kvilo::base::DayNumber(2001, 1, 1);
    writer.PROPERTIES.CREATED_TIME = 0;
    writer.SetProperties();
    Close();
    const std::string core = ReadPart(path, "docProps/core.xml");
    EXPECT_EQ(core.find("2001-01-01"), std::string::npos) << core;
    char year[8];
    const time_t now = time(nullptr);
    strftime(year, sizeof year, "%Y", gmtime(&now));
    EXPECT_NE(core.find(std::string(">") + year + "-"), std::string::npos) << core;
}

// --- lifecycle and missing handles ---------------------------------------------------------------------

TEST(XlsxWriterLifecycle, CallsWithoutWorkbookOrSheetAreRefusedNotCrashed) {
    TXlsxWriterClass writer;
    EXPECT_FALSE(writer.AddSheet("S", false));
    EXPECT_EQ(writer.WriteString(1, 1, "x"), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.SetProperties(), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.ApplyFormat(true), nullptr);
    EXPECT_EQ(writer.CachedFormatCount(), 0u);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_NE(writer.AddTitledSheet("S", "T", 1, 1, 2, 14), LXW_NO_ERROR);

    writer.NewWorkbook(ScratchPath("no-sheet"), false, true);
    EXPECT_EQ(writer.WriteNumber(1, 1, 1), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.HideZero(), LXW_ERROR_NULL_PARAMETER_IGNORED);
    writer.SetPaper(9);
    writer.SetLandscape();
    EXPECT_EQ(writer.SetHeader("", {}, {}), LXW_ERROR_NULL_PARAMETER_IGNORED);
}

TEST(XlsxWriterLifecycle, ChartsheetsTakeOnlyChartsheetCalls) {
    TXlsxWriterClass writer;
    const std::string path = ScratchPath("chartsheet");
    writer.NewWorkbook(path, false, true);
    ASSERT_TRUE(writer.AddSheet("Data", false));
    EXPECT_FALSE(writer.IsChartsheet());
    ASSERT_TRUE(writer.AddSheet("Chart", true));
    EXPECT_TRUE(writer.IsChartsheet());
    EXPECT_EQ(writer.ActiveSheetName(), "Chart");
    writer.SetLandscape();
    writer.SetPaper(9);
    EXPECT_EQ(writer.SetFooter("&CPage", {}, 1.0), LXW_NO_ERROR);
    EXPECT_EQ(writer.WriteString(1, 1, "x"), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.FreezePanes(2, 2), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
    const std::string chartsheet = ReadPart(path, "xl/chartsheets/sheet1.xml");
    EXPECT_NE(chartsheet.find(R"(<pageSetup paperSize="9" orientation="landscape"/>)"), std::string::npos)
        << chartsheet;
    EXPECT_NE(chartsheet.find("<oddFooter>&amp;CPage</oddFooter>"), std::string::npos);
    EXPECT_EQ(ReadPart(path, "xl/worksheets/sheet1.xml").find("<c "), std::string::npos);
}

TEST(XlsxWriterLifecycle, AClosedWorkbookIsNoLongerUsed) {
    TXlsxWriterClass writer;
    const std::string path = ScratchPath("closed");
    writer.NewWorkbook(path, false, true);
    writer.AddSheet("S", false);
    writer.FORMAT.ALIGN = kAlignRight;
    writer.ApplyFormat(true);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(writer.ActiveFormat(), nullptr);
    EXPECT_EQ(writer.CachedFormatCount(), 0u);
    EXPECT_EQ(writer.WriteString(1, 1, "late"), LXW_ERROR_NULL_PARAMETER_IGNORED);
    EXPECT_EQ(writer.ApplyFormat(true), nullptr);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_ERROR_NULL_PARAMETER_IGNORED);
}

TEST(XlsxWriterLifecycle, ANewWorkbookDiscardsAnUnclosedOneAndItsFormats) {
    TXlsxWriterClass writer;
    const std::string first = ScratchPath("discarded"), second = ScratchPath("kept");
    writer.NewWorkbook(first, false, true);
    writer.AddSheet("S", false);
    writer.ApplyFormat(true);
    EXPECT_EQ(writer.CachedFormatCount(), 1u);
    writer.NewWorkbook(second, true, false);
    EXPECT_EQ(writer.CachedFormatCount(), 0u);
    EXPECT_EQ(writer.FileName(), second);
    writer.AddSheet("S", false);
    writer.WriteString(1, 1, "constant memory");
    EXPECT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_NE(ReadBack(second).Cell("A1").find("value='constant memory'"), std::string::npos);
}

TEST(XlsxWriterLifecycle, AnUnwritableFileShowsAtClose) {
    TXlsxWriterClass writer;
    const std::string path = ScratchFolder("unwritable") + "/missing-folder/book.xlsx   ";
    writer.NewWorkbook(path, false, true);
    EXPECT_EQ(writer.FileName(), ScratchFolder("unwritable") + "/missing-folder/book.xlsx");
    writer.AddSheet("S", false);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_ERROR_CREATING_XLSX_FILE);
}

TEST(XlsxWriterLifecycle, DestroyDeletesOnlyTheTemporaryImagesItWasGiven) {
    const std::string folder = ScratchFolder("ram");
    kvilo::platform::SetCommandLine(std::vector<std::string>{"RAM=" + folder});
    const std::string image = "0F8FAD5B-D9CB-469F-A165-70867728950E";
    const std::string other = "1F8FAD5B-D9CB-469F-A165-70867728950E";
    for (const std::string& name : {image, other, std::string("short")})
        std::ofstream(folder + "/" + name + ".png");
    {
        TXlsxWriterClass writer;
        writer.AddTemporaryImage(image);
        writer.AddTemporaryImage("short");
        std::string traversal;
        while (traversal.size() < 33)
            traversal += "../";
        traversal += "x.y";
        ASSERT_EQ(traversal.size(), 36u);
        writer.AddTemporaryImage(traversal); // 36 characters, but not a bare name
        writer.Destroy();
        EXPECT_FALSE(std::filesystem::exists(folder + "/" + image + ".png"));
        writer.Destroy(); // a second release finds nothing left to do
    }
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + other + ".png"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/short.png"));
    kvilo::platform::SetCommandLine(std::vector<std::string>{});
}
