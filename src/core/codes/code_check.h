#pragma once
// The control digits of the register codes: INN (10 digits for a company, 12 for a person), OGRN (13) and
// OGRNIP (15). One check for the main window, kvilo-cli and the batch check. No Qt.
#include <string_view>

namespace kvilo::codes {

enum class CodeCheck {
    NotACode, // not 10, 12, 13 or 15 digits (letters, blanks and signs included)
    Valid,
    BadInn,  // 10 or 12 digits with a wrong control digit
    BadOgrn, // 13 or 15 digits with a wrong control digit
};

// Whether `digits` is an INN, OGRN or OGRNIP whose control digits agree.
CodeCheck CheckCode(std::string_view digits);

} // namespace kvilo::codes
