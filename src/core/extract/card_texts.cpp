#include "core/extract/card_texts.h"

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "base/pictures.h"

namespace kvilo::extract {
namespace {

using namespace base::literals;

} // namespace

std::string TabCaption(std::string_view legalForm) {
    // The captions keep their blanks on both sides: they pad the text inside the tab.
    if (legalForm == "Ю"_ansi) return " Юридическое лицо "_ansi;
    if (legalForm == "Ф"_ansi) return " Индивидуальный предприниматель "_ansi;
    return " Реквизиты "_ansi;
}

std::string ActualityLine(int32_t actualityDay) {
    std::string line = actualityDay == 0 ? std::string("Нет данных о дате актуальности данных"_ansi)
                                         : "Данные актуальны на "_ansi + CardDate(actualityDay) + " г."_ansi;
    if (line.size() > kActualityLineWidth) line.resize(kActualityLineWidth);
    return line;
}

std::string CardDate(int32_t dayNumber) {
    return std::string(base::Trim(base::FormatPicture(base::Variant(dayNumber), "@d06.b")));
}

std::string CardBranchCount(int32_t count) {
    return std::string(base::Trim(base::FormatPicture(base::Variant(count), "@n_6b")));
}

} // namespace kvilo::extract
