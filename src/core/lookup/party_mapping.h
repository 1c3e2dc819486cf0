#pragma once
// How one answer item becomes a result row: texts trimmed and cut, millisecond timestamps turned into day
// numbers, the status, branch-type and legal-form codes turned into the words the list shows.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/lookup/party_row.h"
#include "core/lookup/suggestion_item.h"

namespace kvilo::lookup {

// A timestamp text (milliseconds since 1970-01-01 00:00 UTC) as a day number: 0 for an empty text or
// "null"; a text that is not a number counts as 0 milliseconds, i.e. 1 January 1970.
int32_t DayFromMillisText(std::string_view text);

std::string StatusWord(std::string_view status);
std::string BranchTypeWord(std::string_view branchType);
std::string LegalFormLetter(std::string_view type);

PartyRow ToPartyRow(const SuggestionItem& item);

} // namespace kvilo::lookup
