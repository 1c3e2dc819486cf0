// Reading and writing the calculator's numbers: plain notation, 15 significant digits, the field's width.
#include "core/calculator/calc_number.h"

#include <gtest/gtest.h>
#include <limits>

namespace kvilo::calculator {
namespace {

TEST(CalcNumber, FormatsInPlainNotationWithoutSpuriousDigits) {
    EXPECT_EQ(FormatNumber(12), "12");
    EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatNumber(-2.5), "-2.5");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(1e-20), "0");
    EXPECT_EQ(FormatNumber(1e20), "100000000000000000000");
    EXPECT_EQ(FormatNumber(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(FormatNumber(1234567.891), "1234567.891");
}

TEST(CalcNumber, RefusesWhatNoFieldCanShow) {
    EXPECT_EQ(FormatNumber(9e38)->size(), 39u);
    EXPECT_EQ(FormatNumber(-9e38)->size(), 40u);
    EXPECT_EQ(FormatNumber(-1e39), std::nullopt); // 41 characters with its sign
    EXPECT_EQ(FormatNumber(1e300), std::nullopt);
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(CalcNumber, ReadsOnlyPlainNumbers) {
    EXPECT_EQ(ReadNumber("12"), 12);
    EXPECT_EQ(ReadNumber(" -7.5 "), -7.5);
    EXPECT_EQ(ReadNumber("12,5"), 12.5);
    EXPECT_EQ(ReadNumber("+3"), 3);
    EXPECT_EQ(ReadNumber("5."), 5);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    for (const char* bad : {"", " ", ".", "-", "1e5", "1.2.3", "12a", "inf", "nan", "--1", "1 000"})
        EXPECT_EQ(ReadNumber(bad), std::nullopt) << bad;
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::nullopt); // beyond a 64-bit real
}

TEST(CalcNumber, EntriesTakeTheKeypadsForm) {
    EXPECT_EQ(NumberEntry(" 007 "), "7");
    EXPECT_EQ(NumberEntry("00.5"), "0.5");
    EXPECT_EQ(NumberEntry("-,5"), "-0.5");
    EXPECT_EQ(NumberEntry("+3"), "3");
    EXPECT_EQ(NumberEntry("5."), "5");
    EXPECT_EQ(NumberEntry("-0.00"), "0.00");
    EXPECT_EQ(NumberEntry("abc"), std::nullopt);
}

TEST(CalcNumber, PastedTextIsCleanedOrRefused) {
    EXPECT_EQ(PastedEntry(" 1 234,5\r\n"), "1234.5");
    EXPECT_EQ(PastedEntry("\t-12\xA0"
                          "000"),
              "-12000");
    EXPECT_EQ(PastedEntry(std::string(20, '9')), std::string(20, '9'));
    EXPECT_EQ(PastedEntry(std::string(21, '9')), std::nullopt);
    EXPECT_EQ(PastedEntry(std::string(100000, '1')), std::nullopt);
    for (const char* bad : {"", "\r\n", "12\t34", "1e5", "twelve", "1/2"})
        EXPECT_EQ(PastedEntry(bad), std::nullopt) << bad;
}

} // namespace
} // namespace kvilo::calculator
