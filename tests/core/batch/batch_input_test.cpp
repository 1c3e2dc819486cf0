#include "core/batch/batch_input.h"

#include <gtest/gtest.h>

#include "base/code_page.h"

namespace kvilo::batch {
namespace {

std::vector<std::string> Codes(std::string_view bytes) {
    std::vector<std::string> codes;
    for (const BatchLine& line : ToBatchLines(ReadTextCells(bytes)))
        codes.push_back(std::to_string(line.lineNumber) + ":" + line.code);
    return codes;
}

TEST(BatchInput, OneCodePerLineWithBomCrlfAndBlankLines) {
    EXPECT_EQ(Codes("\xEF\xBB\xBF"
                    "7707083893\r\n\r\n 1027700132195 \r\n500100732259"),
              (std::vector<std::string>{"1:7707083893", "3:1027700132195", "4:500100732259"}));
}

TEST(BatchInput, TheCodeColumnIsFoundAndTheHeadingLeftOut) {
    // Semicolons, quotes, a number typed with blanks, and the codes in the second column.
    const std::string csv = "\"Название\";\"ИНН\";\"Сумма\"\n"
                            "\"ООО \"\"Ромашка\"\"\";\"7707083893\";1500\n"
                            "ИП Петров;5001 0073 2259;12;\n"
                            "Без ИНН;;3\n";
    const std::vector<BatchLine> lines = ToBatchLines(ReadTextCells(csv));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].code, "7707083893");
    EXPECT_EQ(lines[1].code, "500100732259");
    EXPECT_EQ(lines[1].check, codes::CodeCheck::Valid);
    EXPECT_EQ(lines[2].lineNumber, 4u);
    EXPECT_EQ(lines[2].check, codes::CodeCheck::NotACode);
    // Tabs and commas separate too.
    EXPECT_EQ(Codes("x\t7707083893\ny\t1027700132195\n"),
              (std::vector<std::string>{"1:7707083893", "2:1027700132195"}));
}

TEST(BatchInput, TextIn1251Utf8AndUtf16ReadsTheSame) {
    const std::string utf8 = "Сбербанк;7707083893\nЯндекс;7736207543\n";
    const std::string ansi = base::Utf8ToAnsi(utf8);
    std::string utf16 = "\xFF\xFE";
    std::u16string units;
    int error = 0;
    base::MultiByteToWide(utf8, 65001, units, error);
    for (char16_t unit : units) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    for (const std::string& bytes : {utf8, ansi, utf16}) {
        const std::vector<BatchLine> lines = ToBatchLines(ReadTextCells(bytes));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1].code, "7736207543");
        const std::vector<CellRow> rows = ReadTextCells(bytes);
        EXPECT_EQ(rows[0].cells[0], base::Utf8ToAnsi("Сбербанк"));
    }
}

TEST(BatchInput, BadControlDigitsAndWrongLengthsAreMarked) {
    const std::vector<BatchLine> lines = ToBatchLines(ReadTextCells("7707083894\n1027700132196\n77070838\nабв\n"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].check, codes::CodeCheck::BadInn);
    EXPECT_EQ(lines[1].check, codes::CodeCheck::BadOgrn);
    EXPECT_EQ(lines[2].check, codes::CodeCheck::NotACode);
    EXPECT_EQ(lines[2].text, "77070838");
    EXPECT_EQ(lines[3].check, codes::CodeCheck::NotACode);
}

} // namespace
} // namespace kvilo::batch
