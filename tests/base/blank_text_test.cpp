// Trimming and padding of blank-padded texts: only ' ' counts as a blank.
#include "base/blank_text.h"

#include <gtest/gtest.h>

namespace kvilo::base {
namespace {

TEST(BlankText, RightTrimKeepsLeadingBlanks) {
    EXPECT_EQ(RightTrim("  a b  "), "  a b");
    EXPECT_EQ(RightTrim("a"), "a");
    EXPECT_EQ(RightTrim("    "), "");
    EXPECT_EQ(RightTrim(""), "");
}

TEST(BlankText, TrimDropsBlanksOnBothSides) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(Trim(" x"), "x");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(BlankText, OnlyTheBlankIsTrimmed) {
    EXPECT_EQ(RightTrim("a\t\n"), "a\t\n");
    EXPECT_EQ(Trim("\ta \n"), "\ta \n");
    EXPECT_EQ(Trim(std::string_view("\0a\0 ", 4)), std::string_view("\0a\0", 3));
}

TEST(BlankText, EmptyResultsStayInsideTheText) {
    // Callers copy from the view's address even when it is empty: it must never be null for a real text.
    const std::string_view blanks = "   ";
    EXPECT_EQ(Trim(blanks).data(), blanks.data() + blanks.size());
    EXPECT_EQ(RightTrim(blanks).data(), blanks.data());
    const std::string_view text = "  ab ";
    EXPECT_EQ(Trim(text).data(), text.data() + 2);
}

TEST(BlankText, PadRightCutsOrPadsToTheWidth) {
    EXPECT_EQ(PadRight("1", 10), "1         ");
    EXPECT_EQ(PadRight("abcdef", 3), "abc");
    EXPECT_EQ(PadRight("abc", 3), "abc");
    EXPECT_EQ(PadRight("", 2), "  ");
    EXPECT_EQ(PadRight("abc", 0), "");
    EXPECT_EQ(PadRight(" a ", 5), " a   ");
}

} // namespace
} // namespace kvilo::base
