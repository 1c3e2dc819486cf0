#pragma once
// What the program says when a typed query is a register code with a wrong control digit. The lookup
// still runs: the user may know better.
#include <string>
#include <string_view>

namespace kvilo::codes {

// "Контрольное число ИНН не сходится: проверьте цифры" (ОГРН for 13 digits, ОГРНИП for 15) when the query,
// without its surrounding blanks, is such a code with a wrong control digit; empty otherwise. 1251 text.
std::string CodeWarning(std::string_view query);

} // namespace kvilo::codes
