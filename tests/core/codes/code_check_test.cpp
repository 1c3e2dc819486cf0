#include "core/codes/code_check.h"

#include <gtest/gtest.h>

#include <string>

using kvilo::codes::CheckCode;
using kvilo::codes::CodeCheck;

namespace {

// The code with its last digit moved by one: always a wrong control digit.
std::string LastDigitOff(std::string code) {
    code.back() = static_cast<char>('0' + (code.back() - '0' + 1) % 10);
    return code;
}

} // namespace

TEST(CodeCheck, RealCodesAreValidAndOneDigitOffIsCaught) {
    for (const char* inn : {"7707083893", "7736207543", "500100732259"}) {
        EXPECT_EQ(CheckCode(inn), CodeCheck::Valid) << inn;
        EXPECT_EQ(CheckCode(LastDigitOff(inn)), CodeCheck::BadInn) << inn;
    }
    for (const char* ogrn : {"1027700132195", "1027700229193", "304500116000157"}) {
        EXPECT_EQ(CheckCode(ogrn), CodeCheck::Valid) << ogrn;
        EXPECT_EQ(CheckCode(LastDigitOff(ogrn)), CodeCheck::BadOgrn) << ogrn;
    }
    // A 12-digit INN has two control digits: the first one wrong is caught as well.
    EXPECT_EQ(CheckCode("500100732269"), CodeCheck::BadInn);
}

TEST(CodeCheck, AnythingButTheFourLengthsOfDigitsIsNotACode) {
    for (const char* text : {"", "12345678901", "77070838930000", "770708389a", "7707 83893", " 7707083893",
                             "7707083893 ", "+707083893", "１２３４５６７８９０"})
        EXPECT_EQ(CheckCode(text), CodeCheck::NotACode) << text;
}
