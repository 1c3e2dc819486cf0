#pragma once
// One element of the "suggestions" array of the party-suggestion answer, as the program keeps it: every
// member it reads, as blank-padded Windows-1251 text (a JSON number is kept as the text of its value, a
// null leaves the field blank). Members the program does not read find no field and are dropped.
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

struct SuggestionManagement {
    json::FixedText<128> NAME;
    json::FixedText<128> POST;
};
KVILO_RECORD(SuggestionManagement, NAME, POST)

struct SuggestionState {
    json::FixedText<20> ACTUALITY_DATE;
    json::FixedText<20> REGISTRATION_DATE;
    json::FixedText<20> LIQUIDATION_DATE;
    json::FixedText<20> STATUS;
};
KVILO_RECORD(SuggestionState, ACTUALITY_DATE, REGISTRATION_DATE, LIQUIDATION_DATE, STATUS)

struct SuggestionGeo {
    json::FixedText<20> GEO_LAT;
    json::FixedText<20> GEO_LON;
};
KVILO_RECORD(SuggestionGeo, GEO_LAT, GEO_LON)

struct SuggestionAddress {
    json::FixedText<1024> UNRESTRICTED_VALUE;
    SuggestionGeo DATA;
};
KVILO_RECORD(SuggestionAddress, UNRESTRICTED_VALUE, DATA)

struct SuggestionData {
    json::FixedText<10> BRANCH_COUNT;
    json::FixedText<20> BRANCH_TYPE;
    json::FixedText<128> INN;
    json::FixedText<128> KPP;
    json::FixedText<20> OGRN;
    json::FixedText<20> OKPO;
    json::FixedText<20> OKVED;
    json::FixedText<20> TYPE;
    SuggestionManagement MANAGEMENT;
    SuggestionState STATE;
    SuggestionAddress ADDRESS;
};
KVILO_RECORD(SuggestionData, BRANCH_COUNT, BRANCH_TYPE, INN, KPP, OGRN, OKPO, OKVED, TYPE, MANAGEMENT, STATE, ADDRESS)

struct SuggestionItem {
    json::FixedText<1024> UNRESTRICTED_VALUE;
    SuggestionData DATA;
};
KVILO_RECORD(SuggestionItem, UNRESTRICTED_VALUE, DATA)

} // namespace kvilo::lookup
