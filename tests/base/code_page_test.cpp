#include "base/code_page.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

using namespace kvilo::base;
using namespace kvilo::base::literals;

namespace {

std::string ToAnsiThroughWide(std::string_view utf8) {
    std::u16string wide;
    int error = 0;
    if (!MultiByteToWide(utf8, kCodePageUtf8, wide, error)) return "<failed>";
    std::string ansi;
    WideToMultiByte(wide, kCodePage1251, ansi, error);
    return ansi;
}

} // namespace

TEST(CodePage, CyrillicZheFromUtf8Is0xC6) {
    EXPECT_EQ(ToAnsiThroughWide("\xD0\x96"), "\xC6");
    EXPECT_EQ(Utf8ToAnsi("\xD0\x96"), "\xC6");
    EXPECT_STREQ("Ж"_ansi, "\xC6");
}

TEST(CodePage, CharacterMissingFrom1251BecomesQuestionMark) {
    EXPECT_EQ(ToAnsiThroughWide("\xC3\xA9"), "?"); // é
    EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9!"), "caf?!");
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?"); // one emoji (a surrogate pair) is one "?"
}

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        std::string utf8 = AnsiToUtf8(one);
        EXPECT_EQ(Utf8ToAnsi(utf8), one) << "byte " << b;
        EXPECT_EQ(ToAnsiThroughWide(utf8), one) << "byte " << b;
        all += one;
    }
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUtf16) {
    for (int b = 1; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        std::u16string wide;
        int error = 0;
        ASSERT_TRUE(MultiByteToWide(one, kCodePageAnsi, wide, error));
        ASSERT_EQ(wide.size(), 1u);
        std::string back;
        ASSERT_TRUE(WideToMultiByte(wide, kCodePageAnsi, back, error));
        EXPECT_EQ(back, one) << "byte " << b;
    }
}

TEST(CodePage, KnownMappingsOfTheHighHalf) {
    std::u16string wide;
    int error = 0;
    ASSERT_TRUE(MultiByteToWide("\xA8\xB8\xB9\x88\xC0\xFF", kCodePage1251, wide, error));
    EXPECT_EQ(wide, u"Ёё№€Ая");
    EXPECT_EQ(AnsiToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
}

TEST(CodePage, InputEndsAtTheFirstZeroByte) {
    using namespace std::string_view_literals;
    EXPECT_EQ(AnsiToUtf8("ab\0cd"sv), "ab");
    EXPECT_EQ(Utf8ToAnsi("ab\0\xFF"sv), "ab");
    std::u16string wide;
    int error = 0;
    ASSERT_TRUE(MultiByteToWide("x\0y"sv, kCodePageUtf8, wide, error));
    EXPECT_EQ(wide, u"x");
    std::string bytes;
    ASSERT_TRUE(WideToMultiByte(u"Ж\0Ж"sv, kCodePage1251, bytes, error));
    EXPECT_EQ(bytes, "\xC6");
}

TEST(CodePage, InvalidUtf8FailsWithEmptyOutput) {
    const char* invalid[] = {
        "\x80",             // continuation without a lead byte
        "a\xD0",            // truncated sequence
        "\xC0\x80",         // overlong zero
        "\xE0\x80\xAF",     // overlong "/"
        "\xED\xA0\x80",     // a surrogate encoded
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xFF",             // never valid
        "\xD0\x41",         // lead byte followed by ASCII
    };
    for (const char* text : invalid) {
        std::u16string wide = u"old";
        int error = 0;
        EXPECT_FALSE(MultiByteToWide(text, kCodePageUtf8, wide, error)) << text;
        EXPECT_TRUE(wide.empty());
        EXPECT_EQ(error, kErrorNoUnicodeTranslation);
        EXPECT_EQ(Utf8ToAnsi(text), "");
    }
}

TEST(CodePage, UnknownCodePageIsAnInvalidParameter) {
    std::u16string wide;
    std::string bytes;
    int error = 0;
    EXPECT_FALSE(MultiByteToWide("abc", 866, wide, error));
    EXPECT_EQ(error, kErrorInvalidParameter);
    error = 0;
    EXPECT_FALSE(WideToMultiByte(u"abc", 1252, bytes, error));
    EXPECT_EQ(error, kErrorInvalidParameter);
}

TEST(CodePage, Utf16SurrogatesToUtf8) {
    std::string utf8;
    int error = 0;
    ASSERT_TRUE(WideToMultiByte(u"\U0001F600", kCodePageUtf8, utf8, error));
    EXPECT_EQ(utf8, "\xF0\x9F\x98\x80");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
    ASSERT_TRUE(WideToMultiByte(unpaired, kCodePageUtf8, utf8, error));
    EXPECT_EQ(utf8, "a?b");
    ASSERT_TRUE(WideToMultiByte(unpaired, kCodePage1251, utf8, error));
    EXPECT_EQ(utf8, "a?b");
    std::u16string wide;
    ASSERT_TRUE(MultiByteToWide("\xF0\x9F\x98\x80", kCodePageUtf8, wide, error));
    EXPECT_EQ(wide, u"\U0001F600");
}

TEST(CaseMapping, CyrillicLettersOf1251) {
    std::string lower = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяђѓєѕіїјљњћќўџґ"_ansi;
    std::string upper = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЂЃЄЅІЇЈЉЊЋЌЎЏҐ"_ansi;
    EXPECT_EQ(UpperText(lower), upper);
    EXPECT_EQ(LowerText(upper), lower);
    EXPECT_EQ(UpperText("Ooo, zz!"), "OOO, ZZ!");
}

TEST(CaseMapping, OtherBytesStayAsTheyAre) {
    std::string others = "0123456789 .,;-_«»№€‰§©"_ansi;
    EXPECT_EQ(UpperText(others), others);
    EXPECT_EQ(LowerText(others), others);
    EXPECT_EQ(UpperChar('\x98'), '\x98');
    EXPECT_EQ(UpperChar('\xB5'), '\xB5'); // µ has no partner in 1251
}

TEST(CaseMapping, EqualNoCaseIgnoresCaseAndTrailingBlanks) {
    EXPECT_TRUE(EqualNoCase("fpath  ", "FPATH"));
    EXPECT_TRUE(EqualNoCase("Ёлка"_ansi, "ЁЛКА   "_ansi));
    EXPECT_FALSE(EqualNoCase(" a", "a"));
    EXPECT_FALSE(EqualNoCase("ab", "a"));
}
