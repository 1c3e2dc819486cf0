#pragma once
// The control digits of the register codes: INN (10 digits for a legal entity, 12 for a person) and OGRN
// (13 digits) / OGRNIP (15 digits). One check for the window, kvilo-cli and the batch check.
#include <string_view>

namespace kvilo::codes {

enum class CodeCheck { NotACode, Valid, BadInn, BadOgrn };

// What `digits` is: NotACode unless it is 10, 12, 13 or 15 decimal digits and nothing else; otherwise Valid
// or the code whose control digit does not match.
CodeCheck CheckCode(std::string_view digits);

} // namespace kvilo::codes
