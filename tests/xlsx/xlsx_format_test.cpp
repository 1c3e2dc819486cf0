#include <gtest/gtest.h>

#include "xlsx/xlsx_color.h"
#include "xlsx/xlsx_format.h"

using namespace kvilo::xlsx;

TEST(GroupedNumberMask, BuildsTheMaskWithDecimalsAndRedNegatives) {
    EXPECT_EQ(GroupedNumberMask(0, false), "# ##0;-# ##0");
    EXPECT_EQ(GroupedNumberMask(2, true), "# ##0.00;[Red]-# ##0.00");
    EXPECT_EQ(GroupedNumberMask(1, false), "# ##0.0;-# ##0.0");
    EXPECT_EQ(GroupedNumberMask(6, false), "# ##0.000000;-# ##0.000000");
}

TEST(GroupedNumberMask, OutOfRangeDecimalsGiveNoFraction) {
    EXPECT_EQ(GroupedNumberMask(7, false), GroupedNumberMask(0, false));
    EXPECT_EQ(GroupedNumberMask(-1, true), GroupedNumberMask(0, true));
}

TEST(FormatRecord, ResetValuesMeanNothingIsSet) {
    TXlsxFormat f;
    EXPECT_EQ(f.COLOR, -1);
    EXPECT_EQ(f.BORDER.FORMAT, 255);
    EXPECT_EQ(f.DIAG.COLOR, -1);
    EXPECT_EQ(f.DIAG.TYPE, 0);
    EXPECT_EQ(f.FONTSIZE, 0);
    EXPECT_TRUE(f.EXCELMASK.empty());
}

TEST(FormatRecord, EqualRecordsHashEqual) {
    TXlsxFormat a, b;
    a.ALIGN = b.ALIGN = kAlignRight;
    a.FONTNAME = b.FONTNAME = "Arial";
    a.FONTSIZE = 0.0;
    b.FONTSIZE = -0.0;
    EXPECT_EQ(a, b);
    EXPECT_EQ(TXlsxFormatHash{}(a), TXlsxFormatHash{}(b));
}

TEST(FormatRecord, EveryFieldTakesPartInTheKey) {
    const TXlsxFormat base;
    std::vector<TXlsxFormat> variants(8, base);
    variants[0].PICTURE = "@d06."; // not given to the library, yet a different key
    variants[1].BOTTOM.FORMAT = kBorderDouble;
    variants[2].DIAG.TYPE = 1;
    variants[3].FONTSTYLE = kFontWeightBold;
    variants[4].UNLOCKED = 1;
    variants[5].ROTATION = -90;
    variants[6].EXCELMASK = "DD.MM.YYYY";
    variants[7].LEFT.COLOR = 0;
    const TXlsxFormatHash hash;
    for (const TXlsxFormat& v : variants) {
        EXPECT_NE(v, base);
        EXPECT_NE(hash(v), hash(base));
    }
}

TEST(XlsxColor, TurnsWindowsByteOrderIntoRgb) {
    EXPECT_EQ(ToXlsxColor(0x0000FF), 0xFF0000u); // pure red in Windows order
    EXPECT_EQ(ToXlsxColor(0x00FF00), 0x00FF00u);
    EXPECT_EQ(ToXlsxColor(0xFF0000), 0x0000FFu);
    EXPECT_EQ(ToXlsxColor(0x123456), 0x563412u);
}

TEST(XlsxColor, SendsBlackAsTheLibrarysBlack) {
    EXPECT_EQ(ToXlsxColor(0), kXlsxBlack);
    EXPECT_EQ(kXlsxBlack, 0x1000000u);
}

TEST(XlsxColor, ResolvesSystemColoursThroughTheDefaults) {
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 5)), 0xFFFFFFu);  // window: white
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 13)), 0x0078D7u); // highlight
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 8)), kXlsxBlack); // window text: black
    // Past system colour 20 the value is an ordinary colour again.
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 21)), 0x150000u);
}

TEST(XlsxColor, AsksTheInstalledSourceForSystemColours) {
    std::vector<int> asked;
    SystemColorSource previous = SetSystemColorSource([&](int index) {
        asked.push_back(index);
        return index == 15 ? 0x0000FFu : 0u;
    });
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 15)), 0xFF0000u);
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase)), kXlsxBlack);
    EXPECT_EQ(ToXlsxColor(0x00FFFF), 0xFFFF00u); // ordinary colours never ask
    EXPECT_EQ(asked, (std::vector<int>{15, 0}));
    SetSystemColorSource(previous);
    EXPECT_EQ(ToXlsxColor(static_cast<int32_t>(kSystemColorBase + 15)), 0xF0F0F0u);
}
