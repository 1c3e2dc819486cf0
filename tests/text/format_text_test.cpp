#include "text/format_text.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

#include "base/dates.h"
#include "platform/debug_output.h"

using namespace kvilo::text;
using kvilo::base::DayNumber;
using kvilo::platform::ScopedDebugCapture;

TEST(FormatText, TextConversions) {
    EXPECT_EQ(FormatText("[cJSON] %s", {"bad  "}), "[cJSON] bad");
    EXPECT_EQ(FormatText("%z|", {"bad  "}), "bad  |");
    EXPECT_EQ(FormatText("%S", {"x  "}), "'x'");
    EXPECT_EQ(FormatText("%Z", {"x "}), "'x '");
    EXPECT_EQ(FormatText("%c%C", {"abc", "\xE6"}), "a\xC6"); // ж upper-cased to Ж
    EXPECT_EQ(FormatText("%c.", {""}), ".");
}

TEST(FormatText, ArgumentCountRules) {
    EXPECT_EQ(FormatText("a%sb"), "asb");
    EXPECT_EQ(FormatText("%s and %s", {"x"}), "x and s");
    EXPECT_EQ(FormatText("%i %i", {1}), "1 i");
    std::vector<Variant> many;
    for (int i = 1; i <= 25; ++i)
        many.emplace_back(i);
    std::string format;
    for (int i = 0; i < 21; ++i)
        format += "%i,";
    EXPECT_EQ(FormatText(format, many), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,i,"); // at most 20
}

TEST(FormatText, PercentHandling) {
    EXPECT_EQ(FormatText("%i%%", {7}), "7%");
    EXPECT_EQ(FormatText("100%"), "100");
    EXPECT_EQ(FormatText("%q"), "q");
    EXPECT_EQ(FormatText("%|"), "\r\n");
    EXPECT_EQ(FormatText(""), "");
}

TEST(FormatText, Integers) {
    EXPECT_EQ(FormatText("%I", {5}), "+5");
    EXPECT_EQ(FormatText("%I", {0}), "0");
    EXPECT_EQ(FormatText("%I", {-3}), "-3");
    EXPECT_EQ(FormatText("%i", {7.9}), "7");
    EXPECT_EQ(FormatText("%i", {-7.9}), "-7");
    EXPECT_EQ(FormatText("%i", {" 12 "}), "12");
    EXPECT_EQ(FormatText("%i", {4294967297LL}), "1"); // truncated to 32 bits
}

TEST(FormatText, Hex) {
    EXPECT_EQ(FormatText("%x", {255}), "ff");
    EXPECT_EQ(FormatText("%x", {256}), "0100");
    EXPECT_EQ(FormatText("%x", {65536}), "010000");
    EXPECT_EQ(FormatText("%x", {16777216}), "01000000");
    EXPECT_EQ(FormatText("%x", {-1}), "ffffffff");
    EXPECT_EQ(FormatText("%X", {255}), "FF");
}

TEST(FormatText, Booleans) {
    EXPECT_EQ(FormatText("%b", {0.9}), "false");
    EXPECT_EQ(FormatText("%b", {-1}), "true");
    EXPECT_EQ(FormatText("%B%B", {0, 2}), "FALSETRUE");
}

TEST(FormatText, RealsDatesAndTimes) {
    EXPECT_EQ(FormatText("%f", {12.5}), "12.5");
    EXPECT_EQ(FormatText("%f", {"3"}), "3");
    EXPECT_EQ(FormatText("%e", {1234.5678}), "     1.2346e+03");
    EXPECT_EQ(FormatText("%d", {DayNumber(2024, 3, 16)}), "16.03.2024");
    EXPECT_EQ(FormatText("%d", {0}), "");
    EXPECT_EQ(FormatText("%t", {(9 * 3600 + 30 * 60) * 100 + 1}), "09:30");
}

TEST(FormatText, Pictures) {
    EXPECT_EQ(FormatText("%s@n5@|", {42}), "   42|");
    EXPECT_EQ(FormatText("%s@n5@|", {"42"}), "   42|");
    EXPECT_EQ(FormatText("%b@n5@", {1}), "true@n5@"); // "b" takes no picture
    EXPECT_EQ(FormatText("%i@n05@", {42}), "00042");
    EXPECT_EQ(FormatText("%I@n3@", {5}), "+  5");
    EXPECT_EQ(FormatText("%f@n6.2@", {3.14159}), "  3.14");
    EXPECT_EQ(FormatText("%e@e10.1@", {1234.5}), "   1.2e+03");
    EXPECT_EQ(FormatText("%d@d06/@", {DayNumber(2024, 3, 7)}), "07/03/2024");
    EXPECT_EQ(FormatText("%t@t8@", {(9 * 3600 + 30 * 60 + 5) * 100 + 1}), "09:30:05");
    EXPECT_EQ(FormatText("%S@s2@", {"abc"}), "'ab'");
    EXPECT_EQ(FormatText("%Z@s4@", {"ab    "}), "'ab  '");
}

TEST(FormatText, WhatIsNotAPicture) {
    EXPECT_EQ(FormatText("%s@n@", {"x"}), "x@n@"); // body of one character
    EXPECT_EQ(FormatText("%s@n5", {"x"}), "x@n5"); // no closing "@"
    EXPECT_EQ(FormatText("%s@5@", {"x"}), "x@5@"); // fewer than six characters from the "%"
    EXPECT_EQ(FormatText("%s@zz@", {"x"}), "x");   // well-formed but unknown: the plain value
    EXPECT_EQ(FormatText("%s @n5@", {"x"}), "x @n5@");
}

TEST(FormatText, EncodingConversions) {
    EXPECT_EQ(FormatText("%u", {"a b&c"}), "a%20b%26c");
    EXPECT_EQ(FormatText("%U", {"a b&c"}), "a+b%26c");
    EXPECT_EQ(FormatText("%v", {"Man   "}), "TWFu");
    EXPECT_EQ(FormatText("%w", {"TWE   "}), "Ma");
}

TEST(FormatText, SystemErrorTexts) {
    errno = ENOENT;
    std::string expected = strerror(ENOENT);
    errno = ENOENT;
    EXPECT_EQ(FormatText("[%m]"), "[" + expected + "]");
    errno = ENOENT;
    EXPECT_EQ(FormatText("%M"), expected);
}

TEST(DebugTrace, FormatsTrimsAndStopsAtZero) {
    ScopedDebugCapture capture;
    DebugTrace("[cJSON] %s", {"bad  "});
    DebugTrace("%z", {"tail   "});
    DebugTrace("%z", {std::string("cut \0here", 9)});
    DebugTrace("plain");
    EXPECT_EQ(capture.Lines(), (std::vector<std::string>{"[cJSON] bad", "tail", "cut", "plain"}));
}

TEST(FormatText, LastErrorIsTheCallersEvenAfterOtherConversions) {
    std::string expected = strerror(EACCES);
    errno = EACCES;
    EXPECT_EQ(FormatText("%s %f %m", {"x", 1.5}), "x 1.5 " + expected);
}
