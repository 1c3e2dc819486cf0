// The card's worked-out texts: tab caption, actuality line, date and count fields.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/extract/card_texts.h"

using namespace kvilo::base::literals;
using namespace kvilo::extract;
using kvilo::base::DayNumber;

TEST(TabCaption, FollowsTheLegalFormAndKeepsItsBlanks) {
    EXPECT_EQ(TabCaption("Ю"_ansi), " Юридическое лицо "_ansi);
    EXPECT_EQ(TabCaption("Ф"_ansi), " Индивидуальный предприниматель "_ansi);
    EXPECT_EQ(TabCaption(""), " Реквизиты "_ansi);
    EXPECT_EQ(TabCaption("?"), " Реквизиты "_ansi);
    EXPECT_EQ(TabCaption("ю"_ansi), " Реквизиты "_ansi); // the letter compares exactly
}

TEST(ActualityLine, ShowsTheDateOrSaysThereIsNone) {
    EXPECT_EQ(ActualityLine(DayNumber(2024, 6, 1)), "Данные актуальны на 01.06.2024 г."_ansi);
    EXPECT_EQ(ActualityLine(0), "Нет данных о дате актуальности данных"_ansi);
    EXPECT_LE(ActualityLine(DayNumber(2024, 6, 1)).size(), kActualityLineWidth);
}

TEST(CardFields, ZeroDatesAndCountsAreBlank) {
    EXPECT_EQ(CardDate(0), "");
    EXPECT_EQ(CardDate(DayNumber(2002, 8, 16)), "16.08.2002");
    EXPECT_EQ(CardBranchCount(0), "");
    EXPECT_EQ(CardBranchCount(7), "7");
    EXPECT_EQ(CardBranchCount(123456), "123456");
}
