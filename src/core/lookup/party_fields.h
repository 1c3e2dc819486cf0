#pragma once
// The party's fields, declared once. Everything that lists them is made from the list below: the result
// row (PartyRow, the QF fields) and the card's record (PartyRecord, the Da fields) with the copy between
// them, the answer record (SuggestionItem) and the mapping from it, the list's designed format, the
// register sheet's columns and kvilo-cli's field names. A new field is one more entry here (and its tests).
//
// An entry: FIELD(name, row type, answer type, answer member, .value = ..., .column = {...}, .sheetWidth = ...)
//   name           the row's field is QF<name>, the record's Da<name>, kvilo-cli's column "QF<name>"
//   row type       the row field's type: a text of its width, a date (day number) or a count
//   answer type    the blank-padded text that the answer member is first loaded into (its width cuts it)
//   answer member  its path in one element of the "suggestions" array, matched without regard to case
//   .value         how the row field is made from the answer text (PartyValue)
//   .column        the list column: designed width (dialog units), alignment with indent, modifiers, header,
//                  header alignment ("" = the column's), display picture, and the group whose header it
//                  shares; the designed format lists the columns in this order
//   .sheetWidth    the register sheet's column width in characters; the sheet's titles are the list's
//                  headers (a group's title in capitals) and its columns are in this order
// REGION marks where the card's record keeps the region code of the lookup (DaSrf); no row field has it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/variant.h"

// clang-format off
#define KVILO_PARTY_FIELDS(FIELD, REGION)                                                                              \
    FIELD(Name, json::ZText<255>, json::FixedText<1024>, "unrestricted_value", .value = PartyValue::Text,             \
          .column = {120, "L(2)", "|_FM", "Полное наименование"_ansi, "", "s255"}, .sheetWidth = 40)                  \
    FIELD(Inn, json::ZText<19>, json::FixedText<128>, "data.inn", .value = PartyValue::Text,                          \
          .column = {58, "L(2)", "|_M", "ИНН"_ansi, "", "s20", PartyGroup::TaxCodes}, .sheetWidth = 15)              \
    FIELD(Kpp, json::ZText<19>, json::FixedText<128>, "data.kpp", .value = PartyValue::Text,                          \
          .column = {46, "L(2)", "|_M", "КПП"_ansi, "", "s20", PartyGroup::TaxCodes}, .sheetWidth = 12)              \
    FIELD(Ogrn, json::ZText<20>, json::FixedText<20>, "data.ogrn", .value = PartyValue::Text,                         \
          .column = {70, "L(2)", "|_M", "ОГРН"_ansi, "", "s20", PartyGroup::TaxCodes}, .sheetWidth = 20)             \
    FIELD(LiZo, json::FixedText<1>, json::FixedText<20>, "data.type", .value = PartyValue::LegalForm,                 \
          .column = {14, "C", "|_", "Л"_ansi, "", "s1"}, .sheetWidth = 4)                                             \
    FIELD(Address, json::ZText<255>, json::FixedText<1024>, "data.address.unrestricted_value",                        \
          .value = PartyValue::Text, .column = {120, "L(2)", "|_M", "Адрес"_ansi, "", "s255"}, .sheetWidth = 40)     \
    FIELD(ActDate, json::Date, json::FixedText<20>, "data.state.actuality_date", .value = PartyValue::Date,           \
          .column = {52, "R(2)", "|_M", "Актуальность"_ansi, "L", "d06.b"}, .sheetWidth = 15)                         \
    FIELD(RegDate, json::Date, json::FixedText<20>, "data.state.registration_date", .value = PartyValue::Date,        \
          .column = {52, "R(2)", "|_M", "Регистрация"_ansi, "L", "d06.b"}, .sheetWidth = 15)                          \
    FIELD(LiqDate, json::Date, json::FixedText<20>, "data.state.liquidation_date", .value = PartyValue::Date,         \
          .column = {52, "R(2)", "|_M", "Ликвидация"_ansi, "L", "d06.b"}, .sheetWidth = 15)                           \
    FIELD(Status, json::ZText<20>, json::FixedText<20>, "data.state.status", .value = PartyValue::Status,             \
          .column = {80, "L(2)", "|_M", "Статус"_ansi, "", "s20"}, .sheetWidth = 15)                                  \
    FIELD(Dir, json::ZText<80>, json::FixedText<128>, "data.management.name", .value = PartyValue::Text,              \
          .column = {100, "L(2)", "|_M", "ФИО"_ansi, "", "s80", PartyGroup::Manager}, .sheetWidth = 20)              \
    FIELD(Dol, json::ZText<80>, json::FixedText<128>, "data.management.post", .value = PartyValue::Text,              \
          .column = {100, "L(2)", "|_M", "Должность"_ansi, "", "s80", PartyGroup::Manager}, .sheetWidth = 20)        \
    FIELD(BCount, int32_t, json::FixedText<10>, "data.branch_count", .value = PartyValue::Count,                      \
          .column = {36, "R(2)", "|_M", "Кол-во"_ansi, "L", "n_6b", PartyGroup::Branches}, .sheetWidth = 8)          \
    FIELD(BType, json::ZText<20>, json::FixedText<20>, "data.branch_type", .value = PartyValue::BranchType,           \
          .column = {80, "L(2)", "|_M", "Тип"_ansi, "", "s20", PartyGroup::Branches}, .sheetWidth = 15)              \
    FIELD(Okved, json::ZText<80>, json::FixedText<20>, "data.okved", .value = PartyValue::Text,                       \
          .column = {80, "L(2)", "|_M", "ОКВЭД"_ansi, "", "s80"}, .sheetWidth = 12)                                   \
    FIELD(Okpo, json::ZText<20>, json::FixedText<20>, "data.okpo", .value = PartyValue::Text,                         \
          .column = {80, "L(2)", "|_M", "ОКПО"_ansi, "", "s20"}, .sheetWidth = 12)                                    \
    REGION(Srf, uint8_t)                                                                                               \
    FIELD(Lat, json::ZText<20>, json::FixedText<20>, "data.address.data.geo_lat", .value = PartyValue::Coordinate,    \
          .column = {70, "R(2)", "|_M", "Широта"_ansi, "L", "s20", PartyGroup::Coordinates}, .sheetWidth = 12)       \
    FIELD(Lon, json::ZText<20>, json::FixedText<20>, "data.address.data.geo_lon", .value = PartyValue::Coordinate,    \
          .column = {70, "R(2)", "|_M", "Долгота"_ansi, "L", "s20", PartyGroup::Coordinates}, .sheetWidth = 12)
// clang-format on

// The groups of list columns that share a header: header, the group's modifiers and header alignment.
// clang-format off
#define KVILO_PARTY_GROUPS(GROUP)                                                                                      \
    GROUP(TaxCodes, "Коды ФНС"_ansi, "|", "L(2)")                                                                     \
    GROUP(Manager, "Руководитель"_ansi, "|", "L(2)")                                                                  \
    GROUP(Branches, "Филиалы"_ansi, "|", "L(2)")                                                                      \
    GROUP(Coordinates, "Координаты"_ansi, "|M", "L(2)")
// clang-format on

// Expands to nothing: for the uses of the lists above that pass over one kind of entry.
#define KVILO_PARTY_NOTHING(...)

namespace kvilo::lookup {

struct PartyRow;

// How a row field is made from its answer text (left-justified and trimmed first, then cut to the row
// field's width).
enum class PartyValue {
    Text,       // the text itself
    LegalForm,  // "LEGAL" "Ю", "INDIVIDUAL" "Ф", anything else "?"
    Status,     // "ACTIVE", "LIQUIDATING", "LIQUIDATED" in words, anything else "???"
    BranchType, // "MAIN" "головной", "BRANCH" "филиал", anything else empty
    Date,       // milliseconds since 1970 as a day number (0 for none, and for a day no view can show)
    Count,      // a whole number (0 when it is none or does not fit)
    Coordinate, // the text when it is a finite number, else empty (a place that cannot be shown is none)
};

#define KVILO_PARTY_GROUP_ID(id, ...) id,
enum class PartyGroup { None, KVILO_PARTY_GROUPS(KVILO_PARTY_GROUP_ID) };
#undef KVILO_PARTY_GROUP_ID

#define KVILO_PARTY_FIELD_ID(name, ...) name,
enum class PartyFieldId { KVILO_PARTY_FIELDS(KVILO_PARTY_FIELD_ID, KVILO_PARTY_NOTHING) };
#undef KVILO_PARTY_FIELD_ID

// Each field adds one term to the sum; parentheses would break it.
// NOLINTNEXTLINE(bugprone-macro-parentheses)
#define KVILO_PARTY_COUNT(...) +1
inline constexpr size_t kPartyFieldCount = 0 KVILO_PARTY_FIELDS(KVILO_PARTY_COUNT, KVILO_PARTY_NOTHING);
#undef KVILO_PARTY_COUNT

struct ListColumn {
    int width = 0;                       // dialog units
    const char* alignment = "";          // "L(2)" left with an indent of 2, "R(2)", "C" centred
    const char* modifiers = "";          // "|" right border, "_" underline, "F" fixed, "M" resizable
    const char* header = "";             // 1251
    const char* headerAlignment = "";    // "" = the column's
    const char* picture = "";            // the display picture without its "@" marks
    PartyGroup group = PartyGroup::None; // the group whose header the column shares
};

struct PartyField {
    std::string_view name;       // "Name": the row's QFName, the record's DaName
    std::string_view cliName;    // kvilo-cli's TSV column and JSON member
    std::string_view answerPath; // "data.state.status"
    size_t answerWidth = 0;      // bytes the answer record keeps of it
    PartyValue value = PartyValue::Text;
    ListColumn column;
    double sheetWidth = 0;
    // The row field's value: its text (1251), or its day number or count as an integer.
    base::Variant (*rowValue)(const PartyRow& row) = nullptr;
};

struct PartyGroupHeader {
    const char* header; // 1251
    const char* modifiers;
    const char* headerAlignment;
};

// The fields in column order; field n of a row (from 1) is entry n - 1.
const std::array<PartyField, kPartyFieldCount>& PartyFields();
const PartyField& PartyFieldOf(PartyFieldId id);
const PartyGroupHeader& PartyGroupOf(PartyGroup group);

// The list's designed format text, column by column from the fields and their groups (1251).
const std::string& DesignedListFormat();

} // namespace kvilo::lookup
