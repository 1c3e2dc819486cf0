// The calculator's keys, operators, pack arithmetic and error states, pressed as the keypad presses them.
#include "core/calculator/calculator.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace kvilo::calculator {
namespace {

// Presses the keys in order; true when none was refused.
bool PressAll(Calculator& calc, std::initializer_list<const char*> keys) {
    bool all = true;
    for (const char* key : keys)
        all = calc.Press(key) && all;
    return all;
}

const std::string& Total(const Calculator& calc) {
    return calc.Text(CalcField::Total);
}

TEST(Calculator, TheFirstDigitReplacesTheStartingValue) {
    Calculator calc("9", 0, false);
    EXPECT_EQ(Total(calc), "9");
    EXPECT_EQ(calc.Result(), 9);
    ASSERT_TRUE(PressAll(calc, {"1", "2"}));
    EXPECT_EQ(Total(calc), "12");
    ASSERT_TRUE(calc.Enter());
    EXPECT_EQ(calc.Result(), 12);
}

TEST(Calculator, UntilEnterTheResultStaysTheStartingValue) {
    Calculator calc(" 7.5 ", 0, false);
    PressAll(calc, {"3", "x", "4", "="});
    EXPECT_EQ(Total(calc), "12");
    EXPECT_EQ(calc.Result(), 7.5);
    EXPECT_EQ(calc.StartValue(), 7.5);
}

TEST(Calculator, EqualsAndAFollowingOperatorApplyThePendingOne) {
    Calculator calc("0", 0, false);
    PressAll(calc, {"7", "+", "5", "="});
    EXPECT_EQ(Total(calc), "12");
    EXPECT_EQ(calc.PendingOperator(), '=');
    EXPECT_EQ(calc.Operand(), "0");

    PressAll(calc, {"C", "7", "+", "5", "+"});
    EXPECT_EQ(Total(calc), "12");
    EXPECT_EQ(calc.PendingOperator(), '+');
    EXPECT_EQ(calc.Operand(), "12");
    EXPECT_TRUE(calc.IsNewEntry(CalcField::Total));
    PressAll(calc, {"3", "="});
    EXPECT_EQ(Total(calc), "15");

    PressAll(calc, {"9", "-", "1", "2", "/", "4", "x", "2", "="});
    EXPECT_EQ(Total(calc), "-1.5");
    PressAll(calc, {"0", ".", "1", "+", ".", "2", "="});
    EXPECT_EQ(Total(calc), "0.3");
}

TEST(Calculator, PackArithmetic) {
    Calculator calc("30", 12, false);
    EXPECT_EQ(calc.Text(CalcField::Packs), "2");
    EXPECT_EQ(calc.Text(CalcField::Pieces), "6");
    ASSERT_TRUE(calc.Choose(CalcField::Packs));
    calc.Press("3");
    EXPECT_EQ(Total(calc), "42"); // 3 packs and the 6 pieces there were
    ASSERT_TRUE(calc.Choose(CalcField::Pieces));
    PressAll(calc, {"6"});
    EXPECT_EQ(Total(calc), "42");
    ASSERT_TRUE(calc.Enter());
    EXPECT_EQ(calc.Result(), 42);

    Calculator negative("-30", 12, false);
    EXPECT_EQ(negative.Text(CalcField::Packs), "-2");
    EXPECT_EQ(negative.Text(CalcField::Pieces), "-6");
}

TEST(Calculator, ChoosingAFieldFinishesThePendingOperationAndStartsNewEntries) {
    Calculator calc("0", 12, false);
    PressAll(calc, {"7", "+", "5"});
    ASSERT_TRUE(calc.Choose(CalcField::Packs));
    EXPECT_EQ(Total(calc), "12");
    EXPECT_EQ(calc.Text(CalcField::Packs), "1");
    EXPECT_EQ(calc.Text(CalcField::Pieces), "0");
    EXPECT_EQ(calc.PendingOperator(), '=');
    for (CalcField field : {CalcField::Packs, CalcField::Pieces, CalcField::Total})
        EXPECT_TRUE(calc.IsNewEntry(field));

    // Packs typed with a fraction come back whole when packs are chosen again.
    PressAll(calc, {"1", ".", "5"});
    EXPECT_EQ(Total(calc), "18");
    calc.Choose(CalcField::Total);
    calc.Choose(CalcField::Packs);
    EXPECT_EQ(calc.Text(CalcField::Packs), "1");
    EXPECT_EQ(calc.Text(CalcField::Pieces), "6");

    EXPECT_EQ(Calculator("30", 12, true).Selected(), CalcField::Packs);
    Calculator plain("30", 0, true);
    EXPECT_EQ(plain.Selected(), CalcField::Total);
    EXPECT_FALSE(plain.Choose(CalcField::Pieces));
    EXPECT_FALSE(Calculator("30", -12, false).HasPacks());
}

TEST(Calculator, EraseAndClear) {
    Calculator calc("0", 0, false);
    PressAll(calc, {"5", "+/-"});
    EXPECT_EQ(Total(calc), "-5");
    ASSERT_TRUE(calc.Press("<<"));
    EXPECT_EQ(Total(calc), "0");
    PressAll(calc, {"1", "2", "<<"});
    EXPECT_EQ(Total(calc), "1");
    PressAll(calc, {"<<"});
    EXPECT_EQ(Total(calc), "0");

    PressAll(calc, {"4", "="});
    EXPECT_FALSE(calc.Press("<<")); // a new entry is pending: nothing to erase
    EXPECT_EQ(Total(calc), "4");

    PressAll(calc, {"8", "x"});
    ASSERT_TRUE(calc.Press("C"));
    EXPECT_EQ(Total(calc), "0");
    EXPECT_EQ(calc.PendingOperator(), '=');
    EXPECT_TRUE(calc.IsNewEntry(CalcField::Total));
}

TEST(Calculator, DigitsPointAndTheSignKeys) {
    Calculator calc("0", 0, false);
    PressAll(calc, {"00"});
    EXPECT_EQ(Total(calc), "0");
    PressAll(calc, {"5", "00", "."});
    EXPECT_EQ(Total(calc), "500.");
    EXPECT_FALSE(calc.Press("."));
    PressAll(calc, {"2", "5", "+1"});
    EXPECT_EQ(Total(calc), "501.25");
    PressAll(calc, {"-1", "-1", "+/-"});
    EXPECT_EQ(Total(calc), "-499.25");
    PressAll(calc, {"+/-"});
    EXPECT_EQ(Total(calc), "499.25");
    PressAll(calc, {"=", "."});
    EXPECT_EQ(Total(calc), "0.");
    PressAll(calc, {"C", "+/-"});
    EXPECT_EQ(Total(calc), "0");
    EXPECT_FALSE(calc.Press("%"));
}

TEST(Calculator, EntriesStopAtTwentyCharactersAndKeepTheirDigits) {
    Calculator calc("0", 0, false);
    for (int i = 0; i < 100; ++i)
        calc.Press(i % 2 ? "1" : "9");
    EXPECT_EQ(Total(calc), "91919191919191919191");
    EXPECT_FALSE(calc.Press("7"));
    EXPECT_FALSE(calc.Press("."));
    calc.Press("=");
    EXPECT_EQ(Total(calc), "91919191919191919191"); // not rounded to what a 64-bit real holds
    PressAll(calc, {"+/-"});
    EXPECT_EQ(Total(calc), "-91919191919191919191");
}

TEST(Calculator, DivisionByZeroShowsAnErrorAndKeepsTheOperand) {
    Calculator calc("9", 0, false);
    PressAll(calc, {"8", "/", "0"});
    EXPECT_FALSE(calc.Press("="));
    EXPECT_EQ(calc.Error(), CalcError::DivisionByZero);
    EXPECT_EQ(Total(calc), kDivisionByZeroText);
    EXPECT_EQ(calc.PendingOperator(), '/');
    EXPECT_EQ(calc.Operand(), "8");
    EXPECT_FALSE(calc.Press("+")); // the division is still pending and still fails
    EXPECT_EQ(calc.PendingOperator(), '/');
    EXPECT_FALSE(calc.Enter());
    EXPECT_EQ(calc.Result(), 9);

    PressAll(calc, {"2", "="}); // a correct divisor finishes it
    EXPECT_EQ(calc.Error(), CalcError::None);
    EXPECT_EQ(Total(calc), "4");

    PressAll(calc, {"1", "/", "0", "="});
    ASSERT_TRUE(calc.Press("C"));
    EXPECT_EQ(calc.Error(), CalcError::None);
    EXPECT_EQ(Total(calc), "0");
}

TEST(Calculator, OverflowShowsAnErrorInsteadOfInfinity) {
    Calculator calc("0", 0, false);
    const std::string twenty(20, '9');
    calc.Paste(twenty);
    PressAll(calc, {"x"});
    calc.Paste(twenty);
    EXPECT_FALSE(calc.Press("="));
    EXPECT_EQ(calc.Error(), CalcError::Overflow);
    EXPECT_EQ(Total(calc), kOverflowText);
    EXPECT_FALSE(calc.Enter());
    EXPECT_TRUE(PressAll(calc, {"2", "="}));
    EXPECT_EQ(Total(calc), "200000000000000000000"); // 15 significant digits

    // A starting value too long for the field shows the error; cancelling still gives it back.
    Calculator huge("1" + std::string(60, '0'), 0, false);
    EXPECT_EQ(huge.Error(), CalcError::Overflow);
    EXPECT_EQ(huge.StartValue(), 1e60);
    EXPECT_FALSE(huge.Enter());
    EXPECT_EQ(huge.Result(), 1e60);
}

TEST(Calculator, StartingValuesThatAreNoNumberStartAtZero) {
    for (const char* start : {"", "abc", "1e5", "12 34"}) {
        Calculator calc(start, 0, false);
        EXPECT_EQ(Total(calc), "0") << start;
        EXPECT_EQ(calc.StartValue(), 0) << start;
    }
    EXPECT_EQ(Total(Calculator(" 12,50 ", 0, false)), "12.50");
}

TEST(Calculator, PasteTakesANumberAsANewEntry) {
    Calculator calc("9", 0, false);
    ASSERT_TRUE(calc.Paste(" 1 234,5\n"));
    EXPECT_EQ(Total(calc), "1234.5");
    calc.Press("6");
    EXPECT_EQ(Total(calc), "1234.56");
    EXPECT_FALSE(calc.Paste("12 apples"));
    EXPECT_FALSE(calc.Paste(std::string(100, '7')));
    EXPECT_EQ(Total(calc), "1234.56");
}

TEST(Calculator, TouchedUntilCleared) {
    Calculator calc("9", 0, false);
    EXPECT_FALSE(calc.Touched());
    EXPECT_FALSE(calc.Press("<<")); // refused keys change nothing
    EXPECT_FALSE(calc.Touched());
    calc.Press("5");
    EXPECT_TRUE(calc.Touched());
    calc.Press("C");
    EXPECT_FALSE(calc.Touched());
}

} // namespace
} // namespace kvilo::calculator
