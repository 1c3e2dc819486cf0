#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "core/startup/locale_texts.h"
#include "core/startup/storage_error_texts.h"

namespace kvilo::startup {
namespace {

using namespace base::literals;

TEST(StorageErrorTexts, TheTableHoldsFortyCodesInAscendingOrder) {
    auto texts = StorageErrorTexts();
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts.front(), std::make_pair(int32_t{2}, std::string("Файл не найден"_ansi)));
    EXPECT_EQ(texts[35], std::make_pair(int32_t{88}, std::string("Длина ключа(индекса) превышает 245"_ansi)));
    EXPECT_EQ(texts.back(), std::make_pair(int32_t{801}, std::string("Не найдена переменная"_ansi)));
    for (size_t i = 1; i < texts.size(); ++i)
        EXPECT_LT(texts[i - 1].first, texts[i].first);
}

TEST(LocaleTexts, InstallsMonthNamesAndButtonCaptionsInOrder) {
    InstallLocaleTexts();
    const LocaleTexts& texts = CurrentLocaleTexts();
    EXPECT_EQ(texts.fullMonths[0], "Января"_ansi);
    EXPECT_EQ(texts.fullMonths[11], "Декабря"_ansi);
    EXPECT_EQ(texts.shortMonths[4], "Май"_ansi);
    EXPECT_EQ(texts.buttonCaptions[0], "&OK");
    EXPECT_EQ(texts.buttonCaptions[1], "&1. Да"_ansi);
    EXPECT_EQ(texts.buttonCaptions[3], "Пре&рвать"_ansi);
    EXPECT_EQ(texts.buttonCaptions[7], "&Справка"_ansi);
}

} // namespace
} // namespace kvilo::startup
