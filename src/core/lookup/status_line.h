#pragma once
// The status line under the result list after a lookup.
#include <cstdint>
#include <string>

namespace kvilo::lookup {

inline constexpr size_t kStatusLineWidth = 120;

// "Актуальность: dd.mm.yyyy г., " when the actuality date is known, then "Найдено: n", or
// "Показано: 20 (Уточните запрос !)" for a full list; "Нет данных по запросу" when nothing was found.
std::string ShowCounters(int32_t actualityDate, int32_t rowCount);

// The status line after an answer that could not be read: it must not claim that the register has nothing.
std::string UnreadableStatusLine(long httpStatus);

} // namespace kvilo::lookup
