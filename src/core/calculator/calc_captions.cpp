#include "core/calculator/calc_captions.h"

#include "base/blank_text.h"
#include "base/cp1251.h"

namespace kvilo::calculator {

using namespace base::literals;

const char* const kCalcTitle = "Калькулятор"_ansi;
const char* const kPiecesCaption = "Штук"_ansi;

std::string CalcTitle(std::string_view caption) {
    return base::Trim(caption).empty() ? kCalcTitle : std::string(base::RightTrim(caption));
}

std::string PacksCaption(int32_t packSize) {
    return "Фасовка ("_ansi + std::to_string(packSize) + ")";
}

std::string TotalCaption(std::string_view valueLabel, int32_t packSize) {
    if (packSize > 0) return "Итог"_ansi;
    return base::Trim(valueLabel).empty() ? "Сумма"_ansi : std::string(base::RightTrim(valueLabel));
}

bool MasksTotal(std::string_view valueLabel, int32_t packSize) {
    const std::string_view label = base::RightTrim(valueLabel);
    return packSize <= 0 && (label == "Пароль на вход"_ansi || label == "Ключ обмена"_ansi);
}

bool ShowsGoodsLine(std::string_view goodsName) {
    return !base::Trim(goodsName).empty();
}

std::string GoodsCodeText(std::string_view goodsCode) {
    return std::string(base::RightTrim(goodsCode.substr(0, kGoodsCodeLength)));
}

} // namespace kvilo::calculator
