// The record field types on their own: assignment from texts of every length, the empty default view included.
#include "json/record_types.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace kvilo::json;

TEST(FixedTextAssign, EmptyDefaultViewBlanksTheWholeText) {
    FixedText<5> text("abc");
    text = std::string_view{}; // no data pointer at all: nothing may be copied from it
    EXPECT_EQ(std::string_view(text.bytes.data(), 5), "     ");
    EXPECT_TRUE(text.Empty());
    const FixedText<3> fresh{std::string_view{}};
    EXPECT_EQ(std::string_view(fresh.bytes.data(), 3), "   ");
}

TEST(FixedTextAssign, LongTextsAreCutShortOnesPadded) {
    FixedText<4> text("abcdef");
    EXPECT_EQ(std::string_view(text.bytes.data(), 4), "abcd");
    text = "x";
    EXPECT_EQ(std::string_view(text.bytes.data(), 4), "x   ");
}

TEST(ZTextAssign, EmptyDefaultViewZeroesTheWholeText) {
    ZText<5> text("abc");
    text = std::string_view{};
    EXPECT_EQ(std::string_view(text.bytes.data(), 6), std::string_view("\0\0\0\0\0\0", 6));
    EXPECT_TRUE(text.Empty());
    const ZText<3> fresh{std::string_view{}};
    EXPECT_EQ(fresh.View(), "");
}

TEST(ZTextAssign, StopsAtZeroByteAndWidth) {
    ZText<4> text(std::string_view("ab\0cd", 5));
    EXPECT_EQ(text.View(), "ab");
    text = "abcdefg";
    EXPECT_EQ(text.View(), "abcd");
    EXPECT_EQ(text.bytes[4], '\0');
}
