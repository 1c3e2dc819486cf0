#pragma once
// What the extract card shows that is worked out rather than copied: the tab caption by legal form, the
// actuality line, the date and count fields. Texts are Windows-1251.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::extract {

// The most characters of the actuality line.
inline constexpr size_t kActualityLineWidth = 60;

// " Юридическое лицо " for "Ю", " Индивидуальный предприниматель " for "Ф", " Реквизиты " otherwise.
std::string TabCaption(std::string_view legalForm);

// "Данные актуальны на DD.MM.YYYY г." for a date, "Нет данных о дате актуальности данных" for 0.
std::string ActualityLine(int32_t actualityDay);

// A date as day.month.year, empty for 0.
std::string CardDate(int32_t dayNumber);

// The branch count in at most 6 digits, empty for 0.
std::string CardBranchCount(int32_t count);

} // namespace kvilo::extract
