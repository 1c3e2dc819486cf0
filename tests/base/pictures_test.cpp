#include "base/pictures.h"

#include <gtest/gtest.h>

#include "base/dates.h"

using namespace kvilo::base;

TEST(TextPicture, CutsToTheGivenLength) {
    EXPECT_EQ(FormatPicture("abcdef", "@s3"), "abc");
    EXPECT_EQ(FormatPicture("ab", "@s20"), "ab");
    EXPECT_EQ(FormatPicture("abcdef", "S2"), "ab"); // case and "@" do not matter
    EXPECT_EQ(FormatPicture(12345, "@s3"), "123");
    EXPECT_EQ(DeformatPicture("  text ", "@s10").text(), "  text ");
}

TEST(NumberPicture, BlankAndZeroFill) {
    EXPECT_EQ(FormatPicture(42, "@n5"), "   42");
    EXPECT_EQ(FormatPicture(42, "@n_5"), "   42");
    EXPECT_EQ(FormatPicture(42, "@n05"), "00042");
    EXPECT_EQ(FormatPicture(-42, "@n05"), "-0042");
    EXPECT_EQ(FormatPicture(-42, "@n5"), "  -42");
    EXPECT_EQ(FormatPicture(1234567, "@n10"), "   1234567"); // no digit grouping
}

TEST(NumberPicture, DecimalPlacesRound) {
    EXPECT_EQ(FormatPicture(3.14159, "@n8.2"), "    3.14");
    EXPECT_EQ(FormatPicture(2.5, "@n6.0"), "     2"); // to nearest, ties to even on the exact binary value
    EXPECT_EQ(FormatPicture(0.125, "@n6.3"), " 0.125");
    EXPECT_EQ(FormatPicture(-0.001, "@n6.2"), "  0.00"); // never "-0.00"
    EXPECT_EQ(FormatPicture("12.5", "@n6.1"), "  12.5"); // a numeric text is a number
}

TEST(NumberPicture, BlankWhenZero) {
    EXPECT_EQ(FormatPicture(0, "@n5b"), "     ");
    EXPECT_EQ(FormatPicture(0.001, "@n5.2b"), "     ");
    EXPECT_EQ(FormatPicture(7, "@N5B"), "    7");
    EXPECT_EQ(FormatPicture(0, "@n5"), "    0");
}

TEST(NumberPicture, TooWideShowsHashes) {
    EXPECT_EQ(FormatPicture(123456, "@n3"), "###");
    EXPECT_EQ(FormatPicture(-123, "@n03"), "###");
}

TEST(NumberPicture, Deformat) {
    EXPECT_EQ(DeformatPicture("   42", "@n5").integer(), 42);
    EXPECT_TRUE(DeformatPicture("   42", "@n5").isInteger());
    EXPECT_DOUBLE_EQ(DeformatPicture(" -3.25 ", "@n8.2").real(), -3.25);
    EXPECT_EQ(DeformatPicture("00042", "@n05").integer(), 42);
    EXPECT_EQ(DeformatPicture("abc", "@n5").integer(), 0);
    EXPECT_EQ(DeformatPicture("", "@n5").integer(), 0);
}

TEST(DatePicture, DayMonthYear) {
    int32_t day = DayNumber(2024, 3, 7);
    EXPECT_EQ(FormatPicture(day, "@d06."), "07.03.2024");
    EXPECT_EQ(FormatPicture(day, "d06.b"), "07.03.2024");
    EXPECT_EQ(FormatPicture(day, "@d6."), "7.3.2024");
    EXPECT_EQ(FormatPicture(day, "@d06/"), "07/03/2024");
    EXPECT_EQ(FormatPicture(day, "@D06-"), "07-03-2024");
    EXPECT_EQ(FormatPicture(day, "@d6"), "7/3/2024");
    EXPECT_EQ(FormatPicture(day, "@d17"), "07.03.2024");
    EXPECT_EQ(FormatPicture(DayNumber(2000, 2, 29), "@d06."), "29.02.2000");
    EXPECT_EQ(FormatPicture(kUnixEpochDay, "@d17"), "01.01.1970");
}

TEST(DatePicture, NoDateIsBlank) {
    EXPECT_EQ(FormatPicture(0, "@d06.b"), "");
    EXPECT_EQ(FormatPicture(0, "@d06."), "");
    EXPECT_EQ(FormatPicture(-1, "@d17"), "");
    EXPECT_EQ(FormatPicture(99999999, "@d17"), "");
}

TEST(DatePicture, Deformat) {
    EXPECT_EQ(DeformatPicture("07.03.2024", "@d06.").integer(), DayNumber(2024, 3, 7));
    EXPECT_EQ(DeformatPicture("7/3/2024", "@d6").integer(), DayNumber(2024, 3, 7));
    EXPECT_EQ(DeformatPicture(" 29.02.2000 ", "@d17").integer(), DayNumber(2000, 2, 29));
    EXPECT_EQ(DeformatPicture("01.01.70", "@d17").integer(), kUnixEpochDay);
    EXPECT_EQ(DeformatPicture("01.01.24", "@d17").integer(), DayNumber(2024, 1, 1));
}

TEST(DatePicture, TextThatDoesNotMatchGivesZero) {
    for (const char* text : {"", "29.02.1900", "32.01.2024", "07.13.2024", "07.03", "07.03.2024x", "a.b.c", "07..2024",
                             "007.03.2024", "07.03.202"})
        EXPECT_EQ(DeformatPicture(text, "@d06.").integer(), 0) << text;
}

TEST(TimePicture, FormatAndDeformat) {
    int32_t time = (13 * 3600 + 5 * 60 + 9) * 100 + 1;
    EXPECT_EQ(FormatPicture(time, "@t7"), "13:05");
    EXPECT_EQ(FormatPicture(time, "@T8"), "13:05:09");
    EXPECT_EQ(FormatPicture(1, "@t8"), "00:00:00");
    EXPECT_EQ(FormatPicture(0, "@t7"), "");
    EXPECT_EQ(DeformatPicture("13:05:09", "@t8").integer(), time);
    EXPECT_EQ(DeformatPicture("13:05", "@t7").integer(), (13 * 3600 + 5 * 60) * 100 + 1);
    EXPECT_EQ(DeformatPicture("24:00", "@t7").integer(), 0);
    EXPECT_EQ(DeformatPicture("12:60", "@t7").integer(), 0);
    EXPECT_EQ(DeformatPicture("noon", "@t7").integer(), 0);
}

TEST(ScientificPicture, WidthAndPlaces) {
    EXPECT_EQ(FormatPicture(1234.5678, "@e15.4"), "     1.2346e+03");
    EXPECT_EQ(FormatPicture(1234.5678, "E15.4"), "     1.2346e+03");
    EXPECT_EQ(FormatPicture(-0.00012, "@e12.2"), "   -1.20e-04");
    EXPECT_EQ(FormatPicture(1.0, "@e4.2"), "####");
    EXPECT_DOUBLE_EQ(DeformatPicture("     1.2346e+03", "@e15.4").real(), 1234.6);
}

TEST(PatternPicture, KeptAsText) {
    EXPECT_EQ(FormatPicture("5551234", "@p###-####p"), "5551234");
    EXPECT_EQ(DeformatPicture("555-1234", "@p###-####p").text(), "555-1234");
}

TEST(UnknownPicture, FormatsThePlainValue) {
    for (const char* picture :
         {"", "@", "@x12", "@n", "@n5.", "@n5.7", "@s", "@s5x", "@d9", "@d6.q", "@t9", "@e15", "@p", "@n5bb", "@k"}) {
        EXPECT_EQ(FormatPicture(42, picture), "42") << picture;
        EXPECT_EQ(FormatPicture("text", picture), "text") << picture;
        EXPECT_EQ(DeformatPicture("text", picture).text(), "text") << picture;
    }
    EXPECT_EQ(FormatPicture(12.5, "@zz"), "12.5");
}
