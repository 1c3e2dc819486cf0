#include "base/code_page.h"

#include <gtest/gtest.h>

#include <random>

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

// Bytes that are mostly pieces of UTF-8: ASCII, lead and continuation bytes of every kind, zero now and then.
std::string RandomBytes(std::mt19937& random) {
    static const unsigned char kBytes[] = {'a',  ' ',  0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0,
                                           0xC1, 0xC2, 0xD0, 0xDF, 0xE0, 0xE1, 0xED, 0xEE, 0xEF, 0xF0,
                                           0xF1, 0xF4, 0xF5, 0xFF, 0xB0, 0x84, 0x00, 0xA9, 0x98, 0xBD};
    std::string out(std::uniform_int_distribution<size_t>(0, 12)(random), ' ');
    for (char& c : out)
        c = static_cast<char>(kBytes[std::uniform_int_distribution<size_t>(0, std::size(kBytes) - 1)(random)]);
    return out;
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

TEST(CodePage, EachIllFormedPartIsReplacedOnce) {
    const struct {
        const char* utf8;
        std::u16string wide;
    } cases[] = {
        {"a\x80"
         "b",
         u"a\uFFFDb"},                                     // a stray continuation byte
        {"\xD0\xB6\xD0", u"\u0436\uFFFD"},                 // cut at the end
        {"\xE2\x82x", u"\uFFFDx"},                         // cut inside: the two bytes are one part
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // C0 never starts a sequence
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // overlong: E0 takes A0..BF only
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xF0\x9F\x98", u"\uFFFD"},                       // a four-byte sequence cut short
        {"\xFF\xD0\x96", u"\uFFFD\u0416"},                 // the valid sequence after a bad byte stays
    };
    for (const auto& c : cases) {
        std::u16string wide;
        int error = 0;
        EXPECT_TRUE(MultiByteToWide(c.utf8, kCodePageUtf8, wide, error, InvalidUtf8::Replace)) << c.utf8;
        EXPECT_EQ(wide, c.wide) << c.utf8;
    }
    std::string ansi;
    int error = 0;
    ASSERT_TRUE(Utf8ToMultiByte("\xD0\x96\xE2\x82x\xD0\x96", kCodePageAnsi, ansi, error));
    EXPECT_EQ(ansi, "Ж?xЖ"_ansi);
}

TEST(CodePage, DirectConversionGivesWhatTheWayThroughUtf16Gives) {
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::string utf8 = RandomBytes(random);
        for (int codePage : {kCodePageAnsi, kCodePageUtf8}) {
            std::u16string wide;
            std::string expected, direct;
            int error = 0;
            ASSERT_TRUE(MultiByteToWide(utf8, kCodePageUtf8, wide, error, InvalidUtf8::Replace));
            ASSERT_TRUE(WideToMultiByte(wide, codePage, expected, error));
            ASSERT_TRUE(Utf8ToMultiByte(utf8, codePage, direct, error));
            ASSERT_EQ(direct, expected) << testing::PrintToString(utf8) << " to " << codePage;
        }
    }
    std::string out;
    int error = 0;
    EXPECT_FALSE(Utf8ToMultiByte("abc", 866, out, error));
    EXPECT_EQ(error, kErrorInvalidParameter);
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
