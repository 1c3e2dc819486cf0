#pragma once
// The answer of the DaData version service as the program keeps it. The data-set fields are known by the
// service's names for them ("ЕГРЮЛ", "IP-адреса", ...); only the ЕГРЮЛ date is used.
#include "base/cp1251.h"
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

// Only the Windows-1251 literal, not the whole namespace, for the texts declared below.
using base::literals::operator""_ansi;

struct VersionDadata {
    json::FixedText<40> VERSION;
};
KVILO_RECORD(VersionDadata, VERSION)

struct SuggestionsResources {
    json::FixedText<10> D1;
    json::FixedText<10> D2;
    json::FixedText<10> D3;
};
KVILO_RECORD(SuggestionsResources, (D1, "D1", "ЕГРЮЛ"_ansi), (D2, "D2", "IP-адреса"_ansi), (D3, "D3", "Банки"_ansi))

struct VersionSuggestions {
    json::FixedText<40> VERSION;
    SuggestionsResources RESOURCES;
};
KVILO_RECORD(VersionSuggestions, VERSION, RESOURCES)

struct FactorResources {
    json::FixedText<10> X1;
    json::FixedText<10> X2;
    json::FixedText<10> X3;
};
KVILO_RECORD(FactorResources, (X1, "X1", "Недейств. паспорта"_ansi), (X2, "X2", "Телефоны"_ansi),
             (X3, "X3", "ФИАС"_ansi))

struct VersionFactor {
    json::FixedText<40> VERSION;
    FactorResources RESOURCES;
};
KVILO_RECORD(VersionFactor, VERSION, RESOURCES)

struct VersionAnswer {
    VersionDadata DADATA;
    VersionSuggestions SUGGESTIONS;
    VersionFactor FACTOR;
};
KVILO_RECORD(VersionAnswer, DADATA, SUGGESTIONS, FACTOR)

} // namespace kvilo::lookup
