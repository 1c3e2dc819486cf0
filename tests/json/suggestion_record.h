// One "suggestions" element written out by hand in the result model's shape, for the tests that compare
// with it. The parser fuzz target maps the nested records and the answer's list handle too, around a DATA
// record of its own, since it adds numeric and date fields the sample answer does not carry.
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

// The shape of one "suggestions" element as the result model reads it.
struct Data {
    FixedText<10> BRANCH_COUNT;
    FixedText<20> BRANCH_TYPE;
    FixedText<128> INN;
    FixedText<128> KPP;
    FixedText<20> OGRN;
    FixedText<20> OKPO;
    FixedText<20> OKVED;
    FixedText<20> TYPE;
    Management MANAGEMENT;
    State STATE;
    Address ADDRESS;
};
KVILO_RECORD(Data, BRANCH_COUNT, BRANCH_TYPE, INN, KPP, OGRN, OKPO, OKVED, TYPE, MANAGEMENT, STATE, ADDRESS)

struct Item {
    FixedText<1024> UNRESTRICTED_VALUE;
    Data DATA;
};
KVILO_RECORD(Item, UNRESTRICTED_VALUE, DATA)

} // namespace suggestion
