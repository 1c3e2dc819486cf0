// ApplyFormat and its cache, read back from the styles of written workbooks.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "workbook_reader.h"
#include "xlsx/xlsx_writer.h"

using namespace kvilo::base::literals;
using namespace kvilo::xlsx;
using namespace kvilo::xlsx::testing;

namespace {

class FormatBuilder : public ::testing::Test {
protected:
    void SetUp() override {
        path = ScratchPath(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_NE(writer.NewWorkbook(path, false, true), nullptr);
        ASSERT_TRUE(writer.AddSheet("S", false));
    }
    // Writes one cell in the active format and closes the workbook; returns its styles part.
    std::string CloseWithStyles() {
        writer.WriteString(1, 1, "x");
        EXPECT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
        return ReadPart(path, "xl/styles.xml");
    }
    // The cell formats of the styles part (the default one included).
    static size_t CellFormats(const std::string& styles) {
        const size_t start = styles.find("<cellXfs"), end = styles.find("</cellXfs>");
        return CountOf(std::string_view(styles).substr(start, end - start), "<xf ");
    }

    TXlsxWriterClass writer;
    std::string path;
};

} // namespace

TEST_F(FormatBuilder, IdenticalRecordsCreateOneLibraryFormat) {
    writer.FORMAT.ALIGN = kAlignLeft;
    writer.FORMAT.BORDER.FORMAT = kBorderThin;
    lxw_format* first = writer.ApplyFormat(true);
    ASSERT_NE(first, nullptr);
    for (uint32_t row = 1; row <= 200; ++row) {
        writer.ResetFormat();
        writer.FORMAT.ALIGN = kAlignLeft;
        writer.FORMAT.BORDER.FORMAT = kBorderThin;
        EXPECT_EQ(writer.ApplyFormat(true), first);
        writer.WriteString(row, 1, "same look");
        writer.FORMAT.ALIGN = kAlignRight;
        writer.ApplyFormat(true);
        writer.WriteNumber(row, 2, row);
    }
    EXPECT_EQ(writer.ActiveFormat(), writer.ApplyFormat(false));
    EXPECT_EQ(writer.CachedFormatCount(), 2u);
    EXPECT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
    EXPECT_EQ(CellFormats(ReadPart(path, "xl/styles.xml")), 3u); // the default one and the two looks
}

TEST_F(FormatBuilder, RecordsDifferingOnlyInThePictureAreDifferentKeys) {
    lxw_format* plain = writer.ApplyFormat(false);
    writer.FORMAT.PICTURE = "@n10";
    lxw_format* pictured = writer.ApplyFormat(false);
    EXPECT_NE(plain, pictured);
    EXPECT_EQ(writer.CachedFormatCount(), 2u);
}

TEST_F(FormatBuilder, ApplyWithoutActivationLeavesTheActiveFormat) {
    writer.FORMAT.WRAPTEXT = 1;
    lxw_format* wrapped = writer.ApplyFormat(true);
    writer.FORMAT.WRAPTEXT = 0;
    lxw_format* other = writer.ApplyFormat(false);
    EXPECT_NE(other, wrapped);
    EXPECT_EQ(writer.ActiveFormat(), wrapped);
    writer.ResetFormat();
    EXPECT_EQ(writer.ActiveFormat(), nullptr);
    EXPECT_EQ(writer.FORMAT, TXlsxFormat{});
}

TEST_F(FormatBuilder, DateFormatAfterResetSetsOnlyTheNumberFormat) {
    writer.SetDateFormat();
    EXPECT_EQ(writer.FORMAT.EXCELMASK, "DD.MM.YYYY");
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find(R"(<numFmt numFmtId="164" formatCode="DD.MM.YYYY"/>)"), std::string::npos) << styles;
    EXPECT_NE(styles.find(R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"),
              std::string::npos);
}

TEST_F(FormatBuilder, NumberFormatIsRightAlignedAndGrouped) {
    writer.FORMAT.PICTURE = "@n10";
    writer.SetNumberFormat(2, true);
    EXPECT_TRUE(writer.FORMAT.PICTURE.empty());
    EXPECT_EQ(writer.FORMAT.ALIGN, kAlignRight);
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find(R"(formatCode="# ##0.00;[Red]-# ##0.00")"), std::string::npos) << styles;
    EXPECT_NE(styles.find(R"(<alignment horizontal="right"/>)"), std::string::npos);
}

TEST_F(FormatBuilder, BoldNeedsEveryBitOf700) {
    writer.FORMAT.FONTSTYLE = kFontWeightBold | kFontItalic;
    writer.ApplyFormat(true);
    writer.WriteString(1, 1, "bold italic");
    for (int weight : {400, 800, 900}) {
        writer.FORMAT.FONTSTYLE = weight;
        writer.ApplyFormat(true);
        writer.WriteString(2, static_cast<uint16_t>(weight / 100), "plain");
    }
    ASSERT_EQ(writer.CloseWorkbook(), LXW_NO_ERROR);
    const WorkbookDump dump = ReadBack(path);
    EXPECT_NE(dump.Cell("A1").find("bold=True italic=True"), std::string::npos) << dump.text;
    for (const char* cell : {"D2", "H2", "I2"})
        EXPECT_NE(dump.Cell(cell).find("bold=False italic=False"), std::string::npos) << cell << dump.text;
}

TEST_F(FormatBuilder, UnderlineBitWithoutAKindIsSingle) {
    writer.FORMAT.FONTSTYLE = kFontUnderline;
    writer.ApplyFormat(true);
    writer.WriteString(2, 1, "single");
    writer.FORMAT.UNDERLINE = 2; // double
    writer.ApplyFormat(true);
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find("<u/>"), std::string::npos) << styles;
    EXPECT_NE(styles.find(R"(<u val="double"/>)"), std::string::npos);
}

TEST_F(FormatBuilder, ColoursAreConvertedAndBlackIsKept) {
    writer.FORMAT.FONTCOLOR = 0x0000FF; // red in Windows order
    writer.FORMAT.BORDER.FORMAT = kBorderThin;
    writer.FORMAT.BORDER.COLOR = 0; // black
    writer.FORMAT.PATTERN = 1;
    writer.FORMAT.COLOR = 0x00FFFF; // yellow
    writer.ApplyFormat(true);
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find(R"(<color rgb="FFFF0000"/>)"), std::string::npos) << styles;
    EXPECT_NE(styles.find(R"(<left style="thin"><color rgb="FF000000"/></left>)"), std::string::npos);
    EXPECT_NE(styles.find(R"(<patternFill patternType="solid"><fgColor rgb="FFFFFF00"/>)"), std::string::npos);
}

TEST_F(FormatBuilder, LaterCallsOverrideEarlierOnes) {
    writer.FORMAT.BORDER.FORMAT = kBorderThin;   // all four sides first ...
    writer.FORMAT.BOTTOM.FORMAT = kBorderDouble; // ... then the bottom alone
    writer.FORMAT.BORDER.COLOR = 0x0000FF;
    writer.FORMAT.TOP.COLOR = 0x00FF00;
    writer.FORMAT.ALIGN = kAlignRight;
    writer.FORMAT.ALIGNV = kAlignTop;
    writer.ApplyFormat(true);
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find(R"(<left style="thin"><color rgb="FFFF0000"/></left>)"
                          R"(<right style="thin"><color rgb="FFFF0000"/></right>)"
                          R"(<top style="thin"><color rgb="FF00FF00"/></top>)"
                          R"(<bottom style="double"><color rgb="FFFF0000"/></bottom>)"),
              std::string::npos)
        << styles;
    EXPECT_NE(styles.find(R"(<alignment horizontal="right" vertical="top"/>)"), std::string::npos);
}

TEST_F(FormatBuilder, EveryFieldReachesTheLibrary) {
    TXlsxFormat& f = writer.FORMAT;
    f.INDEX = 14;
    f.DIAG = {kBorderThin, 0x0000FF, 3};
    f.FGCOLOR = 0xFF0000;
    f.PATTERN = 2;
    f.FONTSIZE = 9.5;
    f.FONTNAME = "Шрифт"_ansi;
    f.FONTSTYLE = kFontStrikeout;
    f.FONTSCRIPT = 1;
    f.WRAPTEXT = 1;
    f.ROTATION = 45;
    f.INDENT = 2;
    f.HIDDEN = 1;
    f.UNLOCKED = 1;
    writer.ApplyFormat(true);
    writer.WriteString(2, 1, "all fields");
    writer.ResetFormat();
    writer.FORMAT.SHRINK = 1; // a spreadsheet ignores shrinking when the text wraps: shown on its own
    writer.ApplyFormat(true);
    const std::string styles = CloseWithStyles();
    EXPECT_NE(styles.find(R"(numFmtId="14")"), std::string::npos) << styles;
    EXPECT_NE(styles.find(R"(<border diagonalUp="1" diagonalDown="1"><left/><right/><top/><bottom/>)"
                          R"(<diagonal style="thin"><color rgb="FFFF0000"/></diagonal></border>)"),
              std::string::npos);
    EXPECT_NE(styles.find(R"(<patternFill patternType="mediumGray"><fgColor rgb="FF0000FF"/>)"), std::string::npos);
    EXPECT_NE(styles.find(R"(<font><strike/><vertAlign val="superscript"/><sz val="9.5"/>)"), std::string::npos);
    EXPECT_NE(styles.find(R"(<name val="Шрифт"/>)"), std::string::npos);
    // The library aligns an indented text left, as a spreadsheet does.
    EXPECT_NE(styles.find(R"(<alignment horizontal="left" indent="2" textRotation="45" wrapText="1"/>)"),
              std::string::npos);
    EXPECT_NE(styles.find(R"(<alignment shrinkToFit="1"/>)"), std::string::npos);
    EXPECT_NE(styles.find(R"(<protection locked="0" hidden="1"/>)"), std::string::npos);
}

// The library keeps a number format or font name in 127 bytes and cuts longer ones at a byte: a Cyrillic
// text cut inside a character would make the styles unreadable.
TEST_F(FormatBuilder, LongCyrillicMasksAndFontNamesStayReadable) {
    std::string mask = "0\"", name;
    for (int i = 0; i < 80; ++i) {
        mask += "Ж"_ansi;
        name += "Ш"_ansi;
    }
    writer.FORMAT.EXCELMASK = mask;
    writer.FORMAT.FONTNAME = name;
    writer.ApplyFormat(true);
    const std::string styles = CloseWithStyles();
    std::string keptMask, keptName; // 2 + 62 * 2 and 63 * 2 bytes: the last whole characters
    for (int i = 0; i < 62; ++i)
        keptMask += "Ж";
    for (int i = 0; i < 63; ++i)
        keptName += "Ш";
    EXPECT_NE(styles.find("formatCode=\"0&quot;" + keptMask + "\""), std::string::npos) << styles;
    EXPECT_NE(styles.find("<name val=\"" + keptName + "\"/>"), std::string::npos);
    const WorkbookDump dump = ReadBack(path);
    EXPECT_TRUE(dump.readable) << dump.text;
}
