#pragma once
// How one answer item becomes a result row: texts trimmed and cut, millisecond timestamps turned into day
// numbers, the status, branch-type and legal-form codes turned into the words the list shows, coordinates
// that are no finite number dropped. Every field is made as the party field list says (party_fields.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/lookup/party_row.h"
#include "core/lookup/suggestion_item.h"

namespace kvilo::lookup {

// A timestamp text (milliseconds since 1970-01-01 00:00 UTC) as a day number: 0 for an empty text or
// "null"; a text that is not a number counts as 0 milliseconds, i.e. 1 January 1970. A day that the
// register's views cannot all show (before 1 January 1900, which a spreadsheet has no date for, or after
// 31 December 9999) is 0 as well, so that the list, the card, the sheet and kvilo-cli all show it blank.
int32_t DayFromMillisText(std::string_view text);

std::string StatusWord(std::string_view status);
std::string BranchTypeWord(std::string_view branchType);
std::string LegalFormLetter(std::string_view type);
// The coordinate text trimmed, or empty when it is no finite number ("nan", "inf", "1e999", "north").
std::string_view CoordinateText(std::string_view text);

PartyRow ToPartyRow(const SuggestionItem& item);

} // namespace kvilo::lookup
