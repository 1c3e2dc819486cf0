#include "base/variant.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using namespace kvilo::base;

TEST(Variant, TextForms) {
    EXPECT_EQ(Variant("abc ").text(), "abc ");
    EXPECT_EQ(Variant(-42).text(), "-42");
    EXPECT_EQ(Variant(12.5).text(), "12.5");
    EXPECT_EQ(Variant().text(), "");
    EXPECT_EQ(Variant(static_cast<const char*>(nullptr)).text(), "");
}

TEST(Variant, IntegersTruncateTowardZero) {
    EXPECT_EQ(Variant(2.9).integer(), 2);
    EXPECT_EQ(Variant(-2.9).integer(), -2);
    EXPECT_EQ(Variant(" 17.8 ").integer(), 17);
    EXPECT_EQ(Variant("abc").integer(), 0);
    EXPECT_EQ(Variant(1e300).integer(), INT64_MAX);
    EXPECT_EQ(Variant(std::nan("")).integer(), 0);
    EXPECT_EQ(Variant("9007199254740993").integer(), 9007199254740993LL); // beyond a double's precision
    EXPECT_EQ(Variant(" +42 ").integer(), 42);
    EXPECT_EQ(Variant("-9223372036854775808").integer(), INT64_MIN);
    EXPECT_EQ(Variant("99999999999999999999").integer(), INT64_MAX);
}

TEST(Variant, Reals) {
    EXPECT_DOUBLE_EQ(Variant("-2.5E-4").real(), -2.5e-4);
    EXPECT_DOUBLE_EQ(Variant(7).real(), 7.0);
    EXPECT_DOUBLE_EQ(Variant("x1").real(), 0.0);
}

TEST(RealText, ShortestFormWithoutExponent) {
    EXPECT_EQ(RealText(12.5), "12.5");
    EXPECT_EQ(RealText(1000), "1000");
    EXPECT_EQ(RealText(0.1), "0.1");
    EXPECT_EQ(RealText(-3), "-3");
    EXPECT_EQ(RealText(0), "0");
    EXPECT_EQ(RealText(-0.0), "0");
    EXPECT_EQ(RealText(123456789012345.0), "123456789012345");
    EXPECT_EQ(RealText(0.000001), "0.000001");
    EXPECT_EQ(RealText(1e20), "100000000000000000000");
}

TEST(RealText, ExponentOnlyWhenNeeded) {
    EXPECT_EQ(RealText(1e300), "1e+300");
    EXPECT_EQ(RealText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(std::stod(RealText(1.0 / 3.0)), 1.0 / 3.0);
}

TEST(NumericText, Recognition) {
    for (const char* yes : {"1", " -2 ", "+3.5", "1e3", "-2.5E-4", ".5", "5.", "  7  "})
        EXPECT_TRUE(IsNumericText(yes)) << yes;
    for (const char* no : {"", "  ", ".", "-", "1.2.3", "1e", "1e+", "12a", "a12", "1 2", "0x10"})
        EXPECT_FALSE(IsNumericText(no)) << no;
}

TEST(NumericText, ValueIgnoresTheProcessLocale) {
    // A locale with a decimal comma must not change how "2.5" reads (Qt sets the locale from the environment).
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool changed = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(NumericValue("2.5"), 2.5);
    EXPECT_EQ(RealText(2.5), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!changed) GTEST_LOG_(INFO) << "no decimal-comma locale installed; checked in the C locale only";
    EXPECT_DOUBLE_EQ(NumericValue("1e400"), HUGE_VAL);
    EXPECT_DOUBLE_EQ(NumericValue("1e-400"), 0.0);
    EXPECT_DOUBLE_EQ(NumericValue("nope"), 0.0);
}

TEST(NumericText, ValueIsTheOneStrtodReads) {
    // Long mantissas, points at either end, signs and exponents near the limits of a double.
    std::mt19937 random(11);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < 20000; ++i) {
        std::string text = pick(3) == 0 ? "-" : pick(5) == 0 ? "+" : "";
        const int digits = 1 + pick(25);
        const int point = pick(digits + 2);
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + pick(10));
        }
        if (pick(2)) text += (pick(2) ? "e" : "E") + std::string(pick(3) == 0 ? "-" : "") + std::to_string(pick(330));
        ASSERT_TRUE(IsNumericText(text)) << text;
        const double expected = std::strtod(text.c_str(), nullptr);
        const double value = NumericValue(text);
        ASSERT_EQ(std::memcmp(&expected, &value, sizeof value), 0) << text;
    }
}
