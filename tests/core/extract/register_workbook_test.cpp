// The register workbook's steps: the output path, the workbook with its properties and title, the header
// rows, the totals, closing and opening, and the two failures. Workbooks are read back as a spreadsheet
// reader sees them.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "base/cp1251.h"
#include "core/extract/register_workbook.h"
#include "core/framework/message_presenter.h"
#include "platform/command_line.h"
#include "workbook_reader.h"
#include "written_workbook_test.h"

using namespace kvilo::base::literals;
using namespace kvilo::extract;
using namespace kvilo::xlsx::testing;
using kvilo::framework::RecordingMessagePresenter;
using kvilo::xlsx::TXlsxWriterClass;

namespace {

const char* const kTitle = "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi;

bool CreateAt(TXlsxWriterClass& writer, const std::string& path) {
    return CreateRegisterWorkbook(writer, path, kTitle, kTitleFirstColumn, kTitleRow, kTitleLastColumn, kTitleFontSize);
}

} // namespace

TEST(ExportPath, IsAGuidNameInTheRamFolder) {
    const std::string folder = ScratchFolder("ram");
    kvilo::platform::SetCommandLine({"RAM=" + folder});
    const std::string path = NewExportPath();
    kvilo::platform::SetCommandLine(std::vector<std::string>{});
    const std::filesystem::path p(path);
    EXPECT_EQ(p.parent_path().string(), std::filesystem::path(folder).string());
    EXPECT_EQ(p.extension(), ".xlsx");
    const std::string name = p.stem().string();
    ASSERT_EQ(name.size(), 36u);
    for (size_t i = 0; i < name.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23)
            EXPECT_EQ(name[i], '-');
        else
            EXPECT_TRUE(std::isdigit(name[i]) || (name[i] >= 'A' && name[i] <= 'F')) << name;
    }
    EXPECT_NE(NewExportPath(), NewExportPath()); // each export has a name of its own
}

TEST(ExportPath, AMissingRamFolderFallsBackToTheTemporaryFolder) {
    kvilo::platform::SetCommandLine({"RAM=/no/such/folder/at/all"});
    const std::string path = NewExportPath();
    kvilo::platform::SetCommandLine(std::vector<std::string>{});
    EXPECT_EQ(path.rfind("/no/such", 0), std::string::npos) << path;
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(path).parent_path())) << path;
}

class EmptyRegister : public WrittenWorkbookTest<EmptyRegister> {
public:
    static constexpr const char* kName = "empty-register";
    static void Write(const std::string& path) {
        TXlsxWriterClass writer;
        ASSERT_TRUE(CreateAt(writer, path));
        WriteRegisterHeader(writer);
        WriteRegisterTotals(writer, kFirstDataRow, 0);
        ASSERT_EQ(CloseRegisterWorkbook(writer), path);
    }
};

TEST_F(EmptyRegister, IsReadable) {
    ASSERT_TRUE(dump->readable) << dump->text;
}

TEST_F(EmptyRegister, TitleIsMergedOverA1B1InBold14) {
    EXPECT_TRUE(dump->Has("sheet 'Лист1'")) << dump->text;
    EXPECT_TRUE(dump->Has("merged A1:B1"));
    EXPECT_TRUE(CellHas("A1", "value='Запрос выписки из ЕГРЮЛ / ЕГРИП' fmt='General' bold=True italic=False "
                              "size=14.0 halign=left valign=center wrap=False"))
        << dump->Cell("A1");
    EXPECT_TRUE(dump->Has("paper 9 landscape"));
    EXPECT_TRUE(dump->Has("showzeros False"));
}

TEST_F(EmptyRegister, GroupAndColumnTitlesOnRows3And4) {
    EXPECT_TRUE(dump->Has("row 2 height=8.0 level=0 hidden=False")) << dump->text;
    for (const char* range : {"B3:D3", "K3:L3", "M3:N3", "Q3:R3", "A3:A4", "E3:E4", "F3:F4", "G3:G4", "H3:H4", "I3:I4",
                              "J3:J4", "O3:O4", "P3:P4"})
        EXPECT_TRUE(dump->Has(std::string("merged ") + range)) << range;
    EXPECT_EQ(CountOf(dump->text, "\nmerged "), 14u); // the title and the thirteen above
    const char* groupLook = "fmt='General' bold=True italic=False size=11.0 halign=left valign=top wrap=True "
                            "border=thin,thin,thin,thin";
    EXPECT_TRUE(CellHas("B3", std::string("value='КОДЫ ФНС' ") + groupLook)) << dump->Cell("B3");
    EXPECT_TRUE(CellHas("K3", std::string("value='РУКОВОДИТЕЛЬ' ") + groupLook));
    EXPECT_TRUE(CellHas("M3", std::string("value='ФИЛИАЛЫ' ") + groupLook));
    EXPECT_TRUE(CellHas("Q3", std::string("value='КООРДИНАТЫ' ") + groupLook));
    const char* titleLook = "fmt='General' bold=False italic=False size=11.0 halign=left valign=top wrap=True "
                            "border=thin,thin,thin,double";
    const std::pair<const char*, const char*> titles[] = {{"A3", "Полное наименование"},
                                                          {"E3", "Л"},
                                                          {"F3", "Адрес"},
                                                          {"G3", "Актуальность"},
                                                          {"H3", "Регистрация"},
                                                          {"I3", "Ликвидация"},
                                                          {"J3", "Статус"},
                                                          {"O3", "ОКВЭД"},
                                                          {"P3", "ОКПО"},
                                                          {"B4", "ИНН"},
                                                          {"C4", "КПП"},
                                                          {"D4", "ОГРН"},
                                                          {"K4", "ФИО"},
                                                          {"L4", "Должность"},
                                                          {"M4", "Кол-во"},
                                                          {"N4", "Тип"},
                                                          {"Q4", "Широта"},
                                                          {"R4", "Долгота"}};
    for (const auto& [cell, text] : titles)
        EXPECT_TRUE(CellHas(cell, "value='" + std::string(text) + "' " + titleLook)) << dump->Cell(cell);
}

TEST_F(EmptyRegister, ColumnWidthsAndFrozenPane) {
    EXPECT_TRUE(dump->Has("freeze A5")) << dump->text;
    // The file keeps each width in characters plus the padding a spreadsheet adds to it.
    for (const char* line :
         {"column 1 1 width=40.7109375", "column 2 2 width=15.7109375", "column 3 3 width=12.7109375",
          "column 4 4 width=20.7109375", "column 5 5 width=4.7109375", "column 6 6 width=40.7109375",
          "column 7 9 width=15.7109375", "column 10 10 width=15.7109375", "column 11 12 width=20.7109375",
          "column 13 13 width=8.7109375", "column 14 14 width=15.7109375", "column 15 16 width=12.7109375",
          "column 17 18 width=12.7109375"})
        EXPECT_TRUE(dump->Has(line)) << line << "\n" << dump->text;
}

TEST_F(EmptyRegister, SeparatorThenTotals) {
    EXPECT_TRUE(dump->Has("row 5 height=7.5 level=1 hidden=False")) << dump->text;
    for (char column = 'A'; column <= 'R'; ++column)
        EXPECT_TRUE(dump->Cell(std::string(1, column) + "5").empty()) << column;
    EXPECT_TRUE(CellHas("A6", "value='ИТОГО' fmt='General' bold=True italic=False size=11.0 halign=left "
                              "valign=top wrap=False border=thin,thin,thin,thin"))
        << dump->Cell("A6");
    EXPECT_TRUE(CellHas("B6", "type=n value=0 fmt='General' bold=True italic=False size=11.0 halign=right "
                              "valign=top wrap=False border=thin,thin,thin,thin"))
        << dump->Cell("B6");
}

TEST_F(EmptyRegister, OutlineSymbolsAboveAndLeft) {
    const std::string sheet = ReadPart(*path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<outlinePr summaryBelow=\"0\" summaryRight=\"0\"/>"), std::string::npos) << sheet;
}

TEST_F(EmptyRegister, DocumentProperties) {
    EXPECT_TRUE(dump->Has("property title='Запрос выписки из ЕГРЮЛ / ЕГРИП'")) << dump->text;
    EXPECT_TRUE(dump->Has("property subject='Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property keywords='Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property category='Реестр выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property creator=None")); // the author stays empty
    EXPECT_TRUE(dump->Has("property description='Отчёт создан в программе:\\nKvilo «Запрос выписки из ЕГРЮЛ / "
                          "ЕГРИП»\\nСайт: https://www.tarvelo.ru/'"))
        << dump->text;
    const std::string app = ReadPart(*path, "docProps/app.xml");
    EXPECT_NE(app.find("<Company>https://www.tarvelo.ru/</Company>"), std::string::npos) << app;
}

TEST_F(EmptyRegister, TheHeaderLooksMakeOneFormatEach) {
    const std::string styles = ReadPart(*path, "xl/styles.xml");
    // default, title, group titles, column titles, totals text, totals number
    EXPECT_NE(styles.find("<cellXfs count=\"6\">"), std::string::npos) << styles;
}

TEST(CreateRegisterWorkbook, ReplacesAnEarlierFile) {
    const std::string path = ScratchPath("replaced");
    { std::ofstream(path) << "not a workbook"; }
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    ASSERT_TRUE(CreateAt(writer, path));
    EXPECT_FALSE(std::filesystem::exists(path)); // removed at once; the new one is written at closing
    EXPECT_EQ(CloseRegisterWorkbook(writer), path);
    EXPECT_TRUE(ReadBack(path).readable);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(CreateRegisterWorkbook, AnUnreplaceableFileIsReportedAndNothingIsWritten) {
    // A folder of the workbook's name cannot be removed as a file, whoever runs the test.
    const std::string path = ScratchFolder("taken.xlsx");
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    EXPECT_FALSE(CreateAt(writer, path));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Ошибка"_ansi);
    EXPECT_EQ(messages.messages[0].text, "Нет доступа к файлу: "_ansi + path);
    EXPECT_EQ(messages.messages[0].buttons, std::vector<std::string>{kvilo::framework::kCloseButton});
    EXPECT_EQ(messages.messages[0].icon, kvilo::framework::MessageIcon::Information);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(std::filesystem::is_empty(path));
    EXPECT_TRUE(writer.FileName().empty()); // no workbook was started
}

TEST(CloseRegisterWorkbook, AFileThatCouldNotBeWrittenIsReported) {
    const std::string path = ScratchFolder("gone") + "/missing/register.xlsx";
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    ASSERT_TRUE(CreateAt(writer, path));
    WriteRegisterHeader(writer);
    EXPECT_EQ(CloseRegisterWorkbook(writer), "");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Ошибка"_ansi);
    EXPECT_EQ(messages.messages[0].text, "Отсутствует файл XLSX для выполнения операции !"_ansi);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CloseRegisterWorkbook, WritesTheFile) {
    RecordingMessagePresenter messages;
    const std::string path = ScratchPath("kept");
    TXlsxWriterClass writer;
    ASSERT_TRUE(CreateAt(writer, path));
    EXPECT_EQ(CloseRegisterWorkbook(writer), path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(CloseRegisterWorkbook, ARamFolderThatCannotBeWrittenEndsInTheMissingFileMessage) {
    // /proc exists and is a folder, but nobody (root included) may create a file in it.
    kvilo::platform::SetCommandLine({"RAM=/proc"});
    const std::string path = NewExportPath();
    kvilo::platform::SetCommandLine(std::vector<std::string>{});
    ASSERT_EQ(path.rfind("/proc/", 0), 0u) << path;
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    ASSERT_TRUE(CreateAt(writer, path));
    WriteRegisterHeader(writer);
    WriteRegisterTotals(writer, kFirstDataRow, 0);
    EXPECT_EQ(CloseRegisterWorkbook(writer), "");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Отсутствует файл XLSX для выполнения операции !"_ansi);
}

TEST(CreateRegisterWorkbook, AnOverlongTitleWithControlCharactersStillMakesAReadableWorkbook) {
    // A cell holds at most 32,767 characters and the workbook's XML cannot carry most control characters:
    // the layer cuts the text and drops those characters rather than write a file a spreadsheet refuses.
    std::string title = "Реестр\x01\x02\x0B\x1F "_ansi;
    title += std::string(40000, 'x');
    const std::string path = ScratchPath("overlong-title");
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    ASSERT_TRUE(
        CreateRegisterWorkbook(writer, path, title, kTitleFirstColumn, kTitleRow, kTitleLastColumn, kTitleFontSize));
    WriteRegisterHeader(writer);
    WriteRegisterTotals(writer, kFirstDataRow, 0);
    ASSERT_EQ(CloseRegisterWorkbook(writer), path);
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text.substr(0, 2000);
    EXPECT_NE(dump.Cell("A1").find("value='Реестр " + std::string(32767 - 7, 'x') + "' "), std::string::npos)
        << dump.Cell("A1").substr(0, 200);
    EXPECT_TRUE(messages.messages.empty());
}
