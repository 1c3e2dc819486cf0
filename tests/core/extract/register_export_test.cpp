// The whole register export, read back from the written workbook: one row, several rows, an empty list,
// the "RAM" folder, opening, and the failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/extract/register_export.h"
#include "core/framework/message_presenter.h"
#include "platform/command_line.h"
#include "workbook_reader.h"
#include "written_workbook_test.h"

using namespace kvilo::base::literals;
using namespace kvilo::extract;
using namespace kvilo::xlsx::testing;
using kvilo::base::DayNumber;
using kvilo::framework::RecordingMessagePresenter;
using kvilo::lookup::PartyRow;
using kvilo::lookup::PartyRows;
using kvilo::xlsx::TXlsxWriterClass;

namespace {

// Sets the "RAM" parameter for the scope's life.
struct RamFolder {
    explicit RamFolder(const std::string& folder) { kvilo::platform::SetCommandLine({"RAM=" + folder}); }
    ~RamFolder() { kvilo::platform::SetCommandLine(std::vector<std::string>{}); }
};

PartyRow Bank() {
    PartyRow row;
    row.QFName = "ПАО \"Ромашка\"\r\nфилиал"_ansi;
    row.QFInn = "7707083893";
    row.QFKpp = "773601001";
    row.QFOgrn = "1027700132195";
    row.QFLiZo = "Ю"_ansi;
    row.QFAddress = "г Москва,\x01 ул\x1F Вавилова, д 19"_ansi;
    row.QFActDate = DayNumber(2024, 3, 15);
    row.QFRegDate = DayNumber(1991, 6, 20);
    row.QFStatus = "действующая"_ansi;
    row.QFDir = "Иванов Иван Иванович"_ansi;
    row.QFDol = "Президент"_ansi;
    row.QFBCount = 0;
    row.QFBType = "головной"_ansi;
    row.QFOkved = "64.19";
    row.QFOkpo = "00032537";
    row.QFLat = "55.70";
    row.QFLon = "37.59";
    return row;
}

size_t FilesIn(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

class OneRowRegister : public WrittenWorkbookTest<OneRowRegister> {
public:
    static constexpr const char* kName = "one-row";
    static void Write(const std::string& path) {
        TXlsxWriterClass writer;
        ASSERT_EQ(ExportRegisterTo(writer, path, PartyRows{Bank()}, kRegisterTitle), path);
    }
};

TEST_F(OneRowRegister, IsReadable) {
    ASSERT_TRUE(dump->readable) << dump->text;
}

TEST_F(OneRowRegister, TitleHeaderAndPane) {
    EXPECT_TRUE(dump->Has("merged A1:B1")) << dump->text;
    EXPECT_TRUE(CellHas("A1", "value='Запрос выписки из ЕГРЮЛ / ЕГРИП' fmt='General' bold=True italic=False "
                              "size=14.0 halign=left valign=center wrap=False"));
    EXPECT_TRUE(dump->Has("merged B3:D3"));
    EXPECT_TRUE(CellHas("A3", "value='Полное наименование' "));
    EXPECT_TRUE(CellHas("R4", "value='Долгота' "));
    EXPECT_TRUE(dump->Has("freeze A5"));
    EXPECT_TRUE(dump->Has("column 1 1 width=40.7109375"));
}

TEST_F(OneRowRegister, DataOnRow5ThenAnEmptySeparatorThenTotals) {
    EXPECT_TRUE(dump->Has("defaultrowheight 15.0")) << dump->text;
    EXPECT_TRUE(dump->Has("row 5 height=None level=1 hidden=False")); // 15 points, the default height
    EXPECT_TRUE(dump->Has("row 6 height=7.5 level=1 hidden=False"));
    const char* textLook = "fmt='General' bold=False italic=False size=11.0 halign=left valign=top wrap=True "
                           "border=thin,thin,thin,thin";
    EXPECT_TRUE(CellHas("B5", std::string("type=s value='7707083893' ") + textLook)) << Cell("B5");
    EXPECT_TRUE(CellHas("C5", "value='773601001' "));
    EXPECT_TRUE(CellHas("D5", "value='1027700132195' "));
    EXPECT_TRUE(CellHas("E5", "value='Ю' "));
    EXPECT_TRUE(CellHas("J5", "value='действующая' "));
    EXPECT_TRUE(CellHas("K5", "value='Иванов Иван Иванович' "));
    EXPECT_TRUE(CellHas("L5", "value='Президент' "));
    EXPECT_TRUE(CellHas("N5", "value='головной' "));
    EXPECT_TRUE(CellHas("O5", "value='64.19' ")); // a code stays text
    EXPECT_TRUE(CellHas("P5", "type=s value='00032537' "));
    // The coordinates keep the text look: left, wrapped.
    EXPECT_TRUE(CellHas("Q5", std::string("type=s value='55.70' ") + textLook)) << Cell("Q5");
    EXPECT_TRUE(CellHas("R5", std::string("type=s value='37.59' ") + textLook));
    for (char column = 'A'; column <= 'R'; ++column)
        EXPECT_TRUE(Cell(std::string(1, column) + "6").empty()) << column;
    EXPECT_TRUE(CellHas("A7", "value='ИТОГО' fmt='General' bold=True italic=False size=11.0 halign=left "
                              "valign=top wrap=False border=thin,thin,thin,thin"))
        << Cell("A7");
    EXPECT_TRUE(CellHas("B7", "type=n value=1 fmt='General' bold=True italic=False size=11.0 halign=right"));
    EXPECT_TRUE(Cell("A8").empty());
}

TEST_F(OneRowRegister, CrLfIsStoredAsLfAndControlCharactersAreDropped) {
    EXPECT_TRUE(CellHas("A5", "value='ПАО \"Ромашка\"\\nфилиал' ")) << Cell("A5");
    EXPECT_TRUE(CellHas("F5", "value='г Москва, ул Вавилова, д 19' ")) << Cell("F5");
}

TEST_F(OneRowRegister, DatesAreDateCells) {
    const char* dateLook = "fmt='DD.MM.YYYY' bold=False italic=False size=11.0 halign=right valign=top wrap=False "
                           "border=thin,thin,thin,thin";
    EXPECT_TRUE(CellHas("G5", std::string("type=d value=datetime.datetime(2024, 3, 15, 0, 0) ") + dateLook))
        << Cell("G5");
    EXPECT_TRUE(CellHas("H5", std::string("type=d value=datetime.datetime(1991, 6, 20, 0, 0) ") + dateLook));
    EXPECT_TRUE(CellHas("I5", std::string("value=None ") + dateLook)) << Cell("I5"); // no liquidation date
}

TEST_F(OneRowRegister, AZeroBranchCountIsANumberTheSheetHides) {
    EXPECT_TRUE(CellHas("M5", "type=n value=0 fmt='# ##0;-# ##0' bold=False italic=False size=11.0 halign=right "
                              "valign=top wrap=False border=thin,thin,thin,thin"))
        << Cell("M5");
    EXPECT_TRUE(dump->Has("showzeros False"));
}

TEST_F(OneRowRegister, DocumentProperties) {
    EXPECT_TRUE(dump->Has("property title='Запрос выписки из ЕГРЮЛ / ЕГРИП'")) << dump->text;
    EXPECT_TRUE(dump->Has("property subject='Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property category='Реестр выписки из ЕГРЮЛ / ЕГРИП»'"));
    EXPECT_TRUE(dump->Has("property keywords='Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП»'"));
}

TEST(RegisterExport, IdenticalLooksMakeOneLibraryFormat) {
    const std::string one = ScratchPath("formats-one");
    const std::string many = ScratchPath("formats-many");
    PartyRow counted = Bank();
    counted.QFBCount = 1234;
    TXlsxWriterClass writer;
    ASSERT_EQ(ExportRegisterTo(writer, one, PartyRows{Bank()}, kRegisterTitle), one);
    ASSERT_EQ(ExportRegisterTo(writer, many, PartyRows(50, counted), kRegisterTitle), many);
    // default, title, group titles, column titles, data text, number, date, totals text, totals number
    for (const std::string& path : {one, many})
        EXPECT_NE(ReadPart(path, "xl/styles.xml").find("<cellXfs count=\"9\">"), std::string::npos) << path;
    const WorkbookDump dump = ReadBack(many);
    EXPECT_NE(dump.Cell("M54").find("type=n value=1234 fmt='# ##0;-# ##0'"), std::string::npos) << dump.Cell("M54");
    EXPECT_TRUE(dump.Has("row 55 height=7.5 level=1 hidden=False"));
    EXPECT_NE(dump.Cell("B56").find("value=50 "), std::string::npos) << dump.Cell("B56");
}

TEST(RegisterExport, AnEmptyListWritesNothing) {
    const std::string folder = ScratchFolder("empty-list");
    RamFolder ram(folder);
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    EXPECT_EQ(ExportRegister(writer, PartyRows{}, kRegisterTitle), "");
    EXPECT_EQ(FilesIn(folder), 0u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(RegisterExport, WritesIntoTheRamFolder) {
    const std::string folder = ScratchFolder("ram-export");
    RamFolder ram(folder);
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    const std::string path = ExportRegister(writer, PartyRows{Bank(), Bank()}, kRegisterTitle);
    EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(folder));
    EXPECT_EQ(FilesIn(folder), 1u);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_NE(ReadBack(path).Cell("B8").find("value=2 "), std::string::npos);
}

TEST(RegisterExport, AnUnwritableFolderEndsInTheMissingFileMessage) {
    RamFolder ram("/proc");
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    EXPECT_EQ(ExportRegister(writer, PartyRows{Bank()}, kRegisterTitle), "");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Ошибка"_ansi);
    EXPECT_EQ(messages.messages[0].text, "Отсутствует файл XLSX для выполнения операции !"_ansi);
}

TEST(RegisterExport, AnUnreplaceableFileIsReportedAndNothingIsWritten) {
    const std::string path = ScratchFolder("occupied.xlsx");
    RecordingMessagePresenter messages;
    TXlsxWriterClass writer;
    EXPECT_EQ(ExportRegisterTo(writer, path, PartyRows{Bank()}, kRegisterTitle), "");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Нет доступа к файлу: "_ansi + path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(std::filesystem::is_empty(path));
}
