#pragma once
// One row of the lookup's result list (the QF fields, in the list's column order) and the record that
// carries a row to the extract card and the export (the Da fields), both made from the party field list
// (party_fields.h) and declared as records so that the list, the card and the export can reach their
// fields by name. Texts are Windows-1251; dates are day numbers (0 = none).
#include <cstdint>
#include <vector>

#include "core/lookup/party_fields.h"
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

#define KVILO_PARTY_ROW_MEMBER(name, rowType, ...) rowType QF##name{};
struct PartyRow {
    KVILO_PARTY_FIELDS(KVILO_PARTY_ROW_MEMBER, KVILO_PARTY_NOTHING)
};
#undef KVILO_PARTY_ROW_MEMBER

// The region code (8-bit unsigned, 0 = all regions) sits where the field list says.
#define KVILO_PARTY_RECORD_MEMBER(name, rowType, ...) rowType Da##name{};
struct PartyRecord {
    KVILO_PARTY_FIELDS(KVILO_PARTY_RECORD_MEMBER, KVILO_PARTY_RECORD_MEMBER)
};
#undef KVILO_PARTY_RECORD_MEMBER

// Their layouts, as KVILO_RECORD declares them, with the members in the order of the list.
#define KVILO_PARTY_ROW_FIELD(name, ...) json::detail::MakeField<&PartyRow::QF##name>("QF" #name),
[[maybe_unused]] inline const json::RecordLayout& KviloRecordLayout(const PartyRow*) {
    static const json::RecordLayout layout("PartyRow", &json::detail::ClearRecord<PartyRow>,
                                           {KVILO_PARTY_FIELDS(KVILO_PARTY_ROW_FIELD, KVILO_PARTY_NOTHING)});
    return layout;
}
#undef KVILO_PARTY_ROW_FIELD

#define KVILO_PARTY_RECORD_FIELD(name, ...) json::detail::MakeField<&PartyRecord::Da##name>("Da" #name),
[[maybe_unused]] inline const json::RecordLayout& KviloRecordLayout(const PartyRecord*) {
    static const json::RecordLayout layout("PartyRecord", &json::detail::ClearRecord<PartyRecord>,
                                           {KVILO_PARTY_FIELDS(KVILO_PARTY_RECORD_FIELD, KVILO_PARTY_RECORD_FIELD)});
    return layout;
}
#undef KVILO_PARTY_RECORD_FIELD

// The result list of one window, in list order.
using PartyRows = std::vector<PartyRow>;

// The record opened from `row`, carrying the region of the lookup that produced it.
PartyRecord CopyToPartyRecord(const PartyRow& row, uint8_t regionOfLookup);

} // namespace kvilo::lookup
