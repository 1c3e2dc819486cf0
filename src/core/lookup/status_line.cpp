#include "core/lookup/status_line.h"

#include "base/cp1251.h"
#include "base/pictures.h"
#include "core/lookup/lookup_request.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

constexpr size_t kPrefixWidth = 40;

} // namespace

std::string ShowCounters(int32_t actualityDate, int32_t rowCount) {
    if (rowCount == 0) return "Нет данных по запросу"_ansi;
    std::string prefix;
    if (actualityDate != 0)
        prefix = ("Актуальность: "_ansi + base::FormatPicture(actualityDate, "@d06.") + " г., "_ansi)
                     .substr(0, kPrefixWidth);
    std::string line;
    if (rowCount == kHitsAskedFor) {
        line = prefix + "Показано: 20 (Уточните запрос !)"_ansi;
    } else {
        line = prefix + "Найдено: "_ansi + std::to_string(rowCount);
    }
    return line.substr(0, kStatusLineWidth);
}

std::string UnreadableStatusLine(long httpStatus) {
    return "Ответ сервиса не прочитан (HTTP "_ansi + std::to_string(httpStatus) + ")";
}

} // namespace kvilo::lookup
