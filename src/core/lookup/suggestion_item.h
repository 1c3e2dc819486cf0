#pragma once
// One element of the "suggestions" array of the party-suggestion answer, as the program keeps it: the
// answer member of every party field (party_fields.h) as blank-padded Windows-1251 text of the field's
// answer width (a JSON number is kept as the text of its value, a null leaves the field blank). The
// mapping engine sees it in groups that follow the members' paths, with the names of the answer in capitals:
// "data.state.status" is the field STATUS of the group STATE of the group DATA. Each group lists its own
// fields before its groups, so a member whose name appears at two levels lands in the outer field first.
// Members the list does not name find no field and are dropped.
#include "core/lookup/party_fields.h"
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

// The members are named after the party fields: `item.Status` holds "data.state.status".
#define KVILO_PARTY_ANSWER_MEMBER(name, rowType, answerType, ...) answerType name;
struct SuggestionItem {
    KVILO_PARTY_FIELDS(KVILO_PARTY_ANSWER_MEMBER, KVILO_PARTY_NOTHING)
};
#undef KVILO_PARTY_ANSWER_MEMBER

// The layout the mapping engine loads an element into (made from the answer paths once).
const json::RecordLayout& KviloRecordLayout(const SuggestionItem*);

} // namespace kvilo::lookup
