#pragma once
// What the calculator window shows besides the numbers: its title, the captions of the three fields, the
// goods line and whether the total is a masked (password) entry. Texts are 1251.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::calculator {

// The window's procedure name: on the procedure-name stack while it is open, and its placement section.
inline constexpr const char* kCalcProcedure = "CalcBig";

// The goods code shows in a field of this many characters.
inline constexpr size_t kGoodsCodeLength = 20;

extern const char* const kCalcTitle;     // "Калькулятор"
extern const char* const kPiecesCaption; // "Штук"

// The given caption, or "Калькулятор" when it is blank.
std::string CalcTitle(std::string_view caption);
// "Фасовка (12)".
std::string PacksCaption(int32_t packSize);
// "Итог" with a pack size; otherwise the value label, or "Сумма" when it is blank.
std::string TotalCaption(std::string_view valueLabel, int32_t packSize);
// True for the value labels "Пароль на вход" and "Ключ обмена" without a pack size.
bool MasksTotal(std::string_view valueLabel, int32_t packSize);
// The goods line shows only for a goods name that is not blank.
bool ShowsGoodsLine(std::string_view goodsName);
// The goods code as its field shows it: the first 20 characters, trailing blanks dropped.
std::string GoodsCodeText(std::string_view goodsCode);

} // namespace kvilo::calculator
