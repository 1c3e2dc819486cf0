#include "core/codes/code_warning.h"

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/codes/code_check.h"

namespace kvilo::codes {

using namespace base::literals;

std::string CodeWarning(std::string_view query) {
    const std::string_view code = base::Trim(query);
    const char* name = nullptr;
    switch (CheckCode(code)) {
    case CodeCheck::BadInn:
        name = "ИНН"_ansi;
        break;
    case CodeCheck::BadOgrn:
        name = code.size() == 13 ? "ОГРН"_ansi : "ОГРНИП"_ansi;
        break;
    default:
        return {};
    }
    return "Контрольное число "_ansi + std::string(name) + " не сходится: проверьте цифры"_ansi;
}

} // namespace kvilo::codes
