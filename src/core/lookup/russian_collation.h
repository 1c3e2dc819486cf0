#pragma once
// The program's collation for names: the Russian order of the ICU collator, so that "Ё" sorts with "Е",
// case differences come after letter differences and Cyrillic comes before Latin, whatever the locales
// installed on the machine.
#include <string_view>

#include "core/lookup/party_row.h"

namespace kvilo::lookup {

// Compares two Windows-1251 texts: negative, 0 or positive. Trailing blanks do not count.
int CompareRussian(std::string_view a, std::string_view b);

// Orders the rows by QFName under that collation; rows with equal names keep the answer's order.
void SortRowsByName(PartyRows& rows);

} // namespace kvilo::lookup
