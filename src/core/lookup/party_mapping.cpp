#include "core/lookup/party_mapping.h"

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

} // namespace

int32_t DayFromMillisText(std::string_view text) {
    std::string_view t = base::Trim(text);
    if (t.empty() || t == "null") return base::kNoDate;
    double millis = base::IsNumericText(t) ? std::trunc(base::NumericValue(t)) : 0.0;
    if (!(std::fabs(millis) <= kMaxMillis)) return base::kNoDate;
    return base::DayNumberFromUnixMillis(millis);
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

PartyRow ToPartyRow(const SuggestionItem& item) {
    const SuggestionData& d = item.DATA;
    PartyRow row;
    row.QFName = base::Trim(item.UNRESTRICTED_VALUE.View());
    row.QFAddress = base::Trim(d.ADDRESS.UNRESTRICTED_VALUE.View());
    row.QFLiZo = LegalFormLetter(d.TYPE.View());
    row.QFInn = base::Trim(d.INN.View());
    row.QFKpp = base::Trim(d.KPP.View());
    row.QFActDate = DayFromMillisText(d.STATE.ACTUALITY_DATE.View());
    row.QFRegDate = DayFromMillisText(d.STATE.REGISTRATION_DATE.View());
    row.QFLiqDate = DayFromMillisText(d.STATE.LIQUIDATION_DATE.View());
    row.QFStatus = StatusWord(d.STATE.STATUS.View());
    row.state = PartyStateOf(d.STATE.STATUS.View());
    row.QFDir = base::Trim(d.MANAGEMENT.NAME.View());
    row.QFDol = base::Trim(d.MANAGEMENT.POST.View());
    row.QFBCount = CountFromText(base::Trim(d.BRANCH_COUNT.View()));
    row.QFBType = BranchTypeWord(d.BRANCH_TYPE.View());
    row.QFOgrn = base::Trim(d.OGRN.View());
    row.QFOkved = base::Trim(d.OKVED.View());
    row.QFOkpo = base::Trim(d.OKPO.View());
    row.QFLat = base::Trim(d.ADDRESS.DATA.GEO_LAT.View());
    row.QFLon = base::Trim(d.ADDRESS.DATA.GEO_LON.View());
    return row;
}

PartyRecord CopyToPartyRecord(const PartyRow& row, uint8_t regionOfLookup) {
    PartyRecord r;
    r.DaName = row.QFName.View();
    r.DaInn = row.QFInn.View();
    r.DaKpp = row.QFKpp.View();
    r.DaOgrn = row.QFOgrn.View();
    r.DaLiZo = row.QFLiZo.View();
    r.DaAddress = row.QFAddress.View();
    r.DaActDate = row.QFActDate;
    r.DaRegDate = row.QFRegDate;
    r.DaLiqDate = row.QFLiqDate;
    r.DaStatus = row.QFStatus.View();
    r.DaDir = row.QFDir.View();
    r.DaDol = row.QFDol.View();
    r.DaBCount = row.QFBCount;
    r.DaBType = row.QFBType.View();
    r.DaOkved = row.QFOkved.View();
    r.DaOkpo = row.QFOkpo.View();
    r.DaSrf = regionOfLookup;
    r.DaLat = row.QFLat.View();
    r.DaLon = row.QFLon.View();
    r.state = row.state;
    return r;
}

} // namespace kvilo::lookup
