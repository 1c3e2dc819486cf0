// The calculator window's captions and its masked entry.
#include "core/calculator/calc_captions.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

namespace kvilo::calculator {
namespace {

using namespace base::literals;

TEST(CalcCaptions, TitleAndFieldCaptions) {
    EXPECT_EQ(CalcTitle(""), "Калькулятор"_ansi);
    EXPECT_EQ(CalcTitle("   "), "Калькулятор"_ansi);
    EXPECT_EQ(CalcTitle("Высота строк"_ansi), "Высота строк"_ansi);
    EXPECT_EQ(PacksCaption(12), "Фасовка (12)"_ansi);
    EXPECT_EQ(TotalCaption("", 0), "Сумма"_ansi);
    EXPECT_EQ(TotalCaption("Высота"_ansi, 0), "Высота"_ansi);
    EXPECT_EQ(TotalCaption("Высота"_ansi, 12), "Итог"_ansi);
}

TEST(CalcCaptions, OnlyThePasswordAndKeyLabelsMaskWithoutPacks) {
    EXPECT_TRUE(MasksTotal("Пароль на вход"_ansi, 0));
    EXPECT_TRUE(MasksTotal("Ключ обмена  "_ansi, 0));
    EXPECT_FALSE(MasksTotal("Ключ обмена"_ansi, 6));
    EXPECT_FALSE(MasksTotal("пароль на вход"_ansi, 0));
    EXPECT_FALSE(MasksTotal("Высота"_ansi, 0));
}

TEST(CalcCaptions, GoodsLine) {
    EXPECT_FALSE(ShowsGoodsLine("  "));
    EXPECT_TRUE(ShowsGoodsLine("Гвозди"_ansi));
    EXPECT_EQ(GoodsCodeText("4601234567890123456789"), "46012345678901234567");
    EXPECT_EQ(GoodsCodeText("A-17   "), "A-17");
}

} // namespace
} // namespace kvilo::calculator
