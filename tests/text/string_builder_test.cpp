#include "text/string_builder.h"

#include <gtest/gtest.h>

#include "platform/debug_output.h"

using kvilo::platform::ScopedDebugCapture;
using kvilo::text::TStringBuilder;

TEST(TStringBuilder, StartsEmpty) {
    TStringBuilder builder;
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.BlockSize(), 0);
    EXPECT_EQ(builder.ExtraSize(), 256);
    EXPECT_TRUE(builder.Text().empty());
}

TEST(TStringBuilder, CatBeforeInitIsReportedAndIgnored) {
    ScopedDebugCapture capture;
    TStringBuilder builder;
    builder.Cat("abc");
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{"[cJSON] [TStringBuilder.Cat] buffer not allocated yet."});
}

TEST(TStringBuilder, GrowthIsTheShortfallPlusTheExtra) {
    ScopedDebugCapture capture;
    TStringBuilder builder;
    builder.Init(10);
    EXPECT_EQ(builder.BlockSize(), 10);
    builder.Cat(std::string(25, 'x'));
    EXPECT_EQ(builder.BlockSize(), 281);
    EXPECT_EQ(builder.Length(), 25);
    builder.Cat(std::string(256, 'y')); // 281 needed: fits exactly, no growth
    EXPECT_EQ(builder.BlockSize(), 281);
    builder.Cat("z");
    EXPECT_EQ(builder.BlockSize(), 282 + 256);
    EXPECT_EQ(builder.Text(), std::string(25, 'x') + std::string(256, 'y') + "z");
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(TStringBuilder, SecondInitKeepsTheFirstBlock) {
    ScopedDebugCapture capture;
    TStringBuilder builder;
    builder.Init(8);
    builder.Cat("keep");
    builder.Init(100);
    EXPECT_EQ(builder.BlockSize(), 8);
    EXPECT_EQ(builder.Text(), "keep");
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{"[cJSON] [TStringBuilder.Init] already allocated."});
}

TEST(TStringBuilder, TextIsEmptyWithABlockButNoData) {
    TStringBuilder builder;
    builder.Init(16);
    EXPECT_TRUE(builder.Text().empty());
    builder.Cat("", 0);
    builder.Cat("abc", 0);
    EXPECT_EQ(builder.Length(), 0);
}

TEST(TStringBuilder, KeepsTrailingBlanksAndZeroBytes) {
    TStringBuilder builder;
    builder.Init(4);
    builder.Cat("a  ");
    builder.Cat(std::string_view("\0b", 2));
    EXPECT_EQ(builder.Text(), std::string_view("a  \0b", 5));
}

TEST(TStringBuilder, ImpossibleSizesAreRefused) {
    ScopedDebugCapture capture;
    TStringBuilder builder;
    builder.Init(-1);
    EXPECT_EQ(builder.BlockSize(), 0);
    builder.Init(1);
    builder.Cat("a", -5);
    EXPECT_EQ(builder.Length(), 0);
    builder.Cat("ab");
    std::vector<std::string> expected{"[cJSON] [TStringBuilder.Init] _malloc failed."};
    EXPECT_EQ(capture.Lines(), expected);
    EXPECT_EQ(builder.Text(), "ab");
}
