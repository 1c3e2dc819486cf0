#pragma once
// One row of the lookup's result list (the QF fields, in the list's column order) and the record that
// carries a row to the extract card and the export (the Da fields), both declared as records so that the
// list, the card and the export can reach their fields by name. Texts are Windows-1251; dates are day
// numbers (0 = none).
#include <array>
#include <cstdint>
#include <vector>

#include "core/lookup/party_state.h"
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

struct PartyRow {
    json::ZText<255> QFName;
    json::ZText<19> QFInn;
    json::ZText<19> QFKpp;
    json::ZText<20> QFOgrn;
    json::FixedText<1> QFLiZo; // "Ю" legal entity, "Ф" sole trader, "?" other
    json::ZText<255> QFAddress;
    json::Date QFActDate;
    json::Date QFRegDate;
    json::Date QFLiqDate;
    json::ZText<20> QFStatus;
    json::ZText<80> QFDir;
    json::ZText<80> QFDol;
    int32_t QFBCount = 0;
    json::ZText<20> QFBType;
    json::ZText<80> QFOkved;
    json::ZText<20> QFOkpo;
    json::ZText<20> QFLat;
    json::ZText<20> QFLon;
    PartyState state = PartyState::Unknown; // no column: decides the row's mark, never shown or exported
};
KVILO_RECORD(PartyRow, QFName, QFInn, QFKpp, QFOgrn, QFLiZo, QFAddress, QFActDate, QFRegDate, QFLiqDate, QFStatus,
             QFDir, QFDol, QFBCount, QFBType, QFOkved, QFOkpo, QFLat, QFLon)

// The field names in column order, as the list, the export and the command line name them.
inline constexpr std::array<const char*, 18> kPartyRowFieldNames = {
    "QFName",   "QFInn", "QFKpp", "QFOgrn",   "QFLiZo",  "QFAddress", "QFActDate", "QFRegDate", "QFLiqDate",
    "QFStatus", "QFDir", "QFDol", "QFBCount", "QFBType", "QFOkved",   "QFOkpo",    "QFLat",     "QFLon"};

struct PartyRecord {
    json::ZText<255> DaName;
    json::ZText<19> DaInn;
    json::ZText<19> DaKpp;
    json::ZText<20> DaOgrn;
    json::FixedText<1> DaLiZo;
    json::ZText<255> DaAddress;
    json::Date DaActDate;
    json::Date DaRegDate;
    json::Date DaLiqDate;
    json::ZText<20> DaStatus;
    json::ZText<80> DaDir;
    json::ZText<80> DaDol;
    int32_t DaBCount = 0;
    json::ZText<20> DaBType;
    json::ZText<80> DaOkved;
    json::ZText<20> DaOkpo;
    uint8_t DaSrf = 0; // region code of the lookup that produced the row (0 = all regions)
    json::ZText<20> DaLat;
    json::ZText<20> DaLon;
    PartyState state = PartyState::Unknown; // the row's state, for the card's mark
};
KVILO_RECORD(PartyRecord, DaName, DaInn, DaKpp, DaOgrn, DaLiZo, DaAddress, DaActDate, DaRegDate, DaLiqDate, DaStatus,
             DaDir, DaDol, DaBCount, DaBType, DaOkved, DaOkpo, DaSrf, DaLat, DaLon)

// The result list of one window, in list order.
using PartyRows = std::vector<PartyRow>;

// The record opened from `row`, carrying the region of the lookup that produced it.
PartyRecord CopyToPartyRecord(const PartyRow& row, uint8_t regionOfLookup);

} // namespace kvilo::lookup
