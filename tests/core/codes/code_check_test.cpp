#include "core/codes/code_check.h"

#include <gtest/gtest.h>

namespace kvilo::codes {
namespace {

// Codes of real, publicly registered entities, and each with one digit changed.
TEST(CodeCheck, RealCodesPassAndOneDigitOffFails) {
    EXPECT_EQ(CheckCode("7707083893"), CodeCheck::Valid); // INN, legal entity
    EXPECT_EQ(CheckCode("7707083894"), CodeCheck::BadInn);
    EXPECT_EQ(CheckCode("7736207543"), CodeCheck::Valid);
    EXPECT_EQ(CheckCode("7736207534"), CodeCheck::BadInn);  // two digits swapped
    EXPECT_EQ(CheckCode("500100732259"), CodeCheck::Valid); // INN, person: both control digits
    EXPECT_EQ(CheckCode("500100732258"), CodeCheck::BadInn);
    EXPECT_EQ(CheckCode("500100732249"), CodeCheck::BadInn); // the first control digit off
    EXPECT_EQ(CheckCode("1027700132195"), CodeCheck::Valid); // OGRN
    EXPECT_EQ(CheckCode("1027700132196"), CodeCheck::BadOgrn);
    EXPECT_EQ(CheckCode("304500116000157"), CodeCheck::Valid); // OGRNIP
    EXPECT_EQ(CheckCode("304500116000158"), CodeCheck::BadOgrn);
}

TEST(CodeCheck, AnythingElseIsNotACode) {
    for (const char* text : {"", "77070838931", "770708389", "7707083893a", "7707 083893", " 7707083893",
                             "ИНН7707083893", "1234567890123456", "-707083893"})
        EXPECT_EQ(CheckCode(text), CodeCheck::NotACode) << text;
}

} // namespace
} // namespace kvilo::codes
