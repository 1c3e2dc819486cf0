// The parts of one "suggestions" element that the sample test and the parser fuzz target both map:
// the nested records and the answer's list handle. Each user declares its own DATA record around them,
// since the fuzz target adds numeric and date fields the sample answer does not carry.
#pragma once

#include "json/json_mapping.h"

namespace suggestion {

using kvilo::json::FixedText;
using kvilo::json::ListHandle;

struct Management {
    FixedText<128> NAME;
    FixedText<128> POST;
};
KVILO_RECORD(Management, NAME, POST)

struct State {
    FixedText<20> ACTUALITY_DATE;
    FixedText<20> REGISTRATION_DATE;
    FixedText<20> LIQUIDATION_DATE;
    FixedText<20> STATUS;
};
KVILO_RECORD(State, ACTUALITY_DATE, REGISTRATION_DATE, LIQUIDATION_DATE, STATUS)

struct Geo {
    FixedText<20> GEO_LAT;
    FixedText<20> GEO_LON;
};
KVILO_RECORD(Geo, GEO_LAT, GEO_LON)

struct Address {
    FixedText<1024> UNRESTRICTED_VALUE;
    Geo DATA;
};
KVILO_RECORD(Address, UNRESTRICTED_VALUE, DATA)

struct Answer {
    ListHandle SUGGESTIONS = 0;
};
KVILO_RECORD(Answer, SUGGESTIONS)

} // namespace suggestion
