#include "core/lookup/party_mapping.h"

#include <charconv>
#include <cmath>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "base/dates.h"
#include "base/variant.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

// Day numbers are 32-bit; a timestamp beyond about ±3 million years cannot become one. The service never
// sends such values, and treating them as "no date" keeps the conversion from overflowing.
constexpr double kMaxMillis = 1.0e17;

// A branch count that does not fit the row's 32-bit field is no count the register can hold.
int32_t CountFromText(std::string_view text) {
    if (!base::IsNumericText(text)) return 0;
    double value = base::NumericValue(text);
    return std::fabs(value) < 2147483647.0 ? static_cast<int32_t>(value) : 0;
}

// A text field of the row: the answer text trimmed, or the word or letter its code stands for.
template <class Text> void SetText(Text& field, PartyValue value, std::string_view answer) {
    switch (value) {
    case PartyValue::LegalForm:
        field = LegalFormLetter(answer);
        return;
    case PartyValue::Status:
        field = StatusWord(answer);
        return;
    case PartyValue::BranchType:
        field = BranchTypeWord(answer);
        return;
    case PartyValue::Coordinate:
        field = CoordinateText(answer);
        return;
    default:
        field = base::Trim(answer);
        return;
    }
}

template <size_t N> void SetFromAnswer(json::ZText<N>& field, PartyValue value, std::string_view answer) {
    SetText(field, value, answer);
}
template <size_t N> void SetFromAnswer(json::FixedText<N>& field, PartyValue value, std::string_view answer) {
    SetText(field, value, answer);
}
void SetFromAnswer(json::Date& field, PartyValue, std::string_view answer) {
    field = DayFromMillisText(answer);
}
void SetFromAnswer(int32_t& field, PartyValue, std::string_view answer) {
    field = CountFromText(base::Trim(answer));
}

// The card's record takes each field as the row has it: texts cut to the same widths, numbers as numbers.
template <size_t N> void CopyField(json::ZText<N>& to, const json::ZText<N>& from) {
    to = from.View();
}
template <size_t N> void CopyField(json::FixedText<N>& to, const json::FixedText<N>& from) {
    to = from.View();
}
void CopyField(json::Date& to, json::Date from) {
    to = from;
}
void CopyField(int32_t& to, int32_t from) {
    to = from;
}

} // namespace

int32_t DayFromMillisText(std::string_view text) {
    static const int32_t firstShownDay = base::DayNumber(1900, 1, 1);
    std::string_view t = base::Trim(text);
    if (t.empty() || t == "null") return base::kNoDate;
    double millis = 0;
    // The service sends whole numbers; they read exactly, and as the same double, without the general way.
    int64_t whole = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), whole);
    if (error == std::errc() && end == t.data() + t.size())
        millis = static_cast<double>(whole);
    else if (base::IsNumericText(t))
        millis = std::trunc(base::NumericValue(t));
    if (!(std::fabs(millis) <= kMaxMillis)) return base::kNoDate;
    const int32_t day = base::DayNumberFromUnixMillis(millis);
    return day < firstShownDay ? base::kNoDate : day;
}

std::string StatusWord(std::string_view status) {
    status = base::Trim(status);
    if (status == "ACTIVE") return "действующая"_ansi;
    if (status == "LIQUIDATING") return "ликвидируется"_ansi;
    if (status == "LIQUIDATED") return "ликвидирована"_ansi;
    return "???";
}

std::string BranchTypeWord(std::string_view branchType) {
    branchType = base::Trim(branchType);
    if (branchType == "MAIN") return "головной"_ansi;
    if (branchType == "BRANCH") return "филиал"_ansi;
    return {};
}

std::string LegalFormLetter(std::string_view type) {
    type = base::Trim(type);
    if (type == "LEGAL") return "Ю"_ansi;
    if (type == "INDIVIDUAL") return "Ф"_ansi;
    return "?";
}

std::string_view CoordinateText(std::string_view text) {
    text = base::Trim(text);
    // Without an exponent, a text shorter than the 309 digits of the largest double is within its range.
    const bool plain = text.size() < 300 && text.find_first_of("eE") == std::string_view::npos;
    const bool finite = base::IsNumericText(text) && (plain || std::isfinite(base::NumericValue(text)));
    return finite ? text : text.substr(text.size());
}

PartyRow ToPartyRow(const SuggestionItem& item) {
    PartyRow row;
#define KVILO_PARTY_MAP(name, ...)                                                                                     \
    SetFromAnswer(row.QF##name, PartyFieldOf(PartyFieldId::name).value, item.name.View());
    KVILO_PARTY_FIELDS(KVILO_PARTY_MAP, KVILO_PARTY_NOTHING)
#undef KVILO_PARTY_MAP
    return row;
}

PartyRecord CopyToPartyRecord(const PartyRow& row, uint8_t regionOfLookup) {
    PartyRecord record;
#define KVILO_PARTY_COPY(name, ...) CopyField(record.Da##name, row.QF##name);
    KVILO_PARTY_FIELDS(KVILO_PARTY_COPY, KVILO_PARTY_NOTHING)
#undef KVILO_PARTY_COPY
    record.DaSrf = regionOfLookup;
    return record;
}

} // namespace kvilo::lookup
