#include "xlsx/xlsx_text.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

using namespace kvilo::base::literals;
using kvilo::xlsx::CutUtf8;
using kvilo::xlsx::kMaxCellTextLength;
using kvilo::xlsx::ToWorkbookText;

namespace {

std::string Converted(std::string_view text) {
    std::string utf8 = "previous content";
    ToWorkbookText(text, utf8);
    return utf8;
}

} // namespace

TEST(WorkbookText, ConvertsTheProgramsCodePageToUtf8) {
    EXPECT_EQ(Converted("ИТОГО"_ansi), "ИТОГО");
    EXPECT_EQ(Converted("Ёлка №1"_ansi), "Ёлка №1");
    EXPECT_EQ(Converted(""), "");
}

TEST(WorkbookText, TurnsCrLfIntoLfAndKeepsLoneBreaks) {
    EXPECT_EQ(Converted("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(Converted("a\rb\nc"), "a\rb\nc");
    EXPECT_EQ(Converted("a\r\r\nb"), "a\r\nb"); // only the pair becomes LF
    EXPECT_EQ(Converted("\r"), "\r");
}

TEST(WorkbookText, DropsControlCharactersTheFileCannotHold) {
    EXPECT_EQ(Converted(std::string_view("a\0b\x01\x1f\tc\x0b", 8)), "ab\tc");
    EXPECT_EQ(Converted("\x07\x08"), "");
}

TEST(WorkbookText, CutsTextsToTheCellLimitInCharacters) {
    std::string cyrillic(kMaxCellTextLength + 10, "Ж"_ansi[0]);
    std::string utf8 = Converted(cyrillic);
    EXPECT_EQ(utf8.size(), kMaxCellTextLength * 2); // two UTF-8 bytes per letter, none split
    EXPECT_EQ(utf8.substr(0, 4), "ЖЖ");

    std::string exact(kMaxCellTextLength, 'x');
    EXPECT_EQ(Converted(exact), exact);
    // Dropped characters do not count: the limit applies to what the cell holds.
    std::string withBreaks = std::string(10, '\x01') + exact;
    EXPECT_EQ(Converted(withBreaks), exact);
}

TEST(WorkbookText, CutsUtf8WithoutSplittingACharacter) {
    std::string text = "aЖЖ"; // 1 + 2 + 2 bytes
    CutUtf8(text, 4);
    EXPECT_EQ(text, "aЖ");
    text = "aЖЖ";
    CutUtf8(text, 5);
    EXPECT_EQ(text, "aЖЖ");
    text = "Ж";
    CutUtf8(text, 1);
    EXPECT_EQ(text, "");
    text = "abc";
    CutUtf8(text, 0);
    EXPECT_EQ(text, "");
}
