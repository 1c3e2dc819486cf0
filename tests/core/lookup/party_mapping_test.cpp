// One answer item becomes one result row: trimming and widths, dates, the status, branch-type and
// legal-form words, the branch count, and the copy to the card's record.
#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/lookup/party_mapping.h"
#include "core/lookup/party_row.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

SuggestionItem BankItem() {
    SuggestionItem item;
    item.Name = "  ПАО БАНК  "_ansi;
    item.Inn = " 7707083893";
    item.Kpp = "773601001";
    item.Ogrn = "1027700132195";
    item.Okpo = "00032537";
    item.Okved = "64.19";
    item.LiZo = "LEGAL";
    item.BType = "MAIN";
    item.BCount = "88";
    item.Dir = "Петров Пётр Петрович"_ansi;
    item.Dol = "ПРЕЗИДЕНТ"_ansi;
    item.Status = "ACTIVE";
    item.ActDate = "1737331200000";
    item.RegDate = "1029456000000";
    item.Address = "117312, г Москва"_ansi;
    item.Lat = "55.7002";
    item.Lon = "37.5855";
    return item;
}

TEST(PartyMappingDates, MillisecondTimestampsBecomeDays) {
    EXPECT_EQ(DayFromMillisText("1029456000000"), base::DayNumber(2002, 8, 16));
    EXPECT_EQ(DayFromMillisText("  1737331200000 "), base::DayNumber(2025, 1, 20));
    EXPECT_EQ(DayFromMillisText("0"), base::DayNumber(1970, 1, 1));
    // not whole days: the day it falls on
    EXPECT_EQ(DayFromMillisText("1029499200000"), base::DayNumber(2002, 8, 16));
    EXPECT_EQ(DayFromMillisText("-86400000"), base::DayNumber(1969, 12, 31));
}

TEST(PartyMappingDates, EmptyAndNullAreNoDate) {
    EXPECT_EQ(DayFromMillisText(""), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("    "), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("null"), base::kNoDate);
}

TEST(PartyMappingDates, TextThatIsNoNumberIsTheEpoch) {
    EXPECT_EQ(DayFromMillisText("yesterday"), base::DayNumber(1970, 1, 1));
    EXPECT_EQ(DayFromMillisText("NULL"), base::DayNumber(1970, 1, 1));
    EXPECT_EQ(DayFromMillisText("12ab"), base::DayNumber(1970, 1, 1));
}

TEST(PartyMappingDates, AbsurdTimestampsGiveNoDateInsteadOfOverflowing) {
    EXPECT_EQ(DayFromMillisText("99999999999999999999"), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("1e300"), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("-1e300"), base::kNoDate);
}

TEST(PartyMappingDates, DaysNoViewCanShowAreNoDate) {
    // A spreadsheet has no date before 1 January 1900; the calendar none after 31 December 9999.
    EXPECT_EQ(DayFromMillisText("-2208988800000"), base::DayNumber(1900, 1, 1));
    EXPECT_EQ(DayFromMillisText("-2208988800001"), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("-5000000000000"), base::kNoDate);
    EXPECT_EQ(DayFromMillisText("253402214400000"), base::DayNumber(9999, 12, 31));
    EXPECT_EQ(DayFromMillisText("253402300800000"), base::kNoDate);
}

TEST(PartyMappingCoordinates, OnlyFiniteNumbersAreAPlace) {
    EXPECT_EQ(CoordinateText(" 55.7002 "), "55.7002");
    EXPECT_EQ(CoordinateText("-37.5e0"), "-37.5e0");
    for (const char* none : {"", "  ", "nan", "NaN", "inf", "-inf", "1e999", "-1e999", "north", "55,7"})
        EXPECT_EQ(CoordinateText(none), "") << none;
    SuggestionItem item = BankItem();
    item.Lat = "1e999";
    item.Lon = "nan";
    const PartyRow row = ToPartyRow(item);
    EXPECT_TRUE(row.QFLat.Empty());
    EXPECT_TRUE(row.QFLon.Empty());
}

TEST(PartyMappingWords, StatusBranchTypeAndLegalForm) {
    EXPECT_EQ(StatusWord("ACTIVE"), "действующая"_ansi);
    EXPECT_EQ(StatusWord("LIQUIDATING"), "ликвидируется"_ansi);
    EXPECT_EQ(StatusWord("LIQUIDATED  "), "ликвидирована"_ansi);
    EXPECT_EQ(StatusWord("REORGANIZING"), "???");
    EXPECT_EQ(StatusWord("BANKRUPT"), "???");
    EXPECT_EQ(StatusWord("active"), "???");
    EXPECT_EQ(StatusWord(""), "???");
    EXPECT_EQ(BranchTypeWord("MAIN"), "головной"_ansi);
    EXPECT_EQ(BranchTypeWord("BRANCH"), "филиал"_ansi);
    EXPECT_EQ(BranchTypeWord(""), "");
    EXPECT_EQ(BranchTypeWord("Main"), "");
    EXPECT_EQ(LegalFormLetter("LEGAL"), "Ю"_ansi);
    EXPECT_EQ(LegalFormLetter("INDIVIDUAL"), "Ф"_ansi);
    EXPECT_EQ(LegalFormLetter("legal"), "?");
    EXPECT_EQ(LegalFormLetter(""), "?");
}

TEST(PartyMappingRow, EveryFieldOfAFullItem) {
    PartyRow row = ToPartyRow(BankItem());
    EXPECT_EQ(row.QFName.View(), "ПАО БАНК"_ansi);
    EXPECT_EQ(row.QFInn.View(), "7707083893");
    EXPECT_EQ(row.QFKpp.View(), "773601001");
    EXPECT_EQ(row.QFOgrn.View(), "1027700132195");
    EXPECT_EQ(row.QFLiZo.View(), "Ю"_ansi);
    EXPECT_EQ(row.QFAddress.View(), "117312, г Москва"_ansi);
    EXPECT_EQ(row.QFActDate, base::DayNumber(2025, 1, 20));
    EXPECT_EQ(row.QFRegDate, base::DayNumber(2002, 8, 16));
    EXPECT_EQ(row.QFLiqDate, base::kNoDate);
    EXPECT_EQ(row.QFStatus.View(), "действующая"_ansi);
    EXPECT_EQ(row.QFDir.View(), "Петров Пётр Петрович"_ansi);
    EXPECT_EQ(row.QFDol.View(), "ПРЕЗИДЕНТ"_ansi);
    EXPECT_EQ(row.QFBCount, 88);
    EXPECT_EQ(row.QFBType.View(), "головной"_ansi);
    EXPECT_EQ(row.QFOkved.View(), "64.19");
    EXPECT_EQ(row.QFOkpo.View(), "00032537");
    EXPECT_EQ(row.QFLat.View(), "55.7002");
    EXPECT_EQ(row.QFLon.View(), "37.5855");
}

TEST(PartyMappingRow, AnEmptyItemGivesEmptyFieldsAndTheOtherWords) {
    PartyRow row = ToPartyRow(SuggestionItem{});
    EXPECT_TRUE(row.QFName.Empty());
    EXPECT_TRUE(row.QFKpp.Empty());
    EXPECT_EQ(row.QFActDate, 0);
    EXPECT_EQ(row.QFRegDate, 0);
    EXPECT_EQ(row.QFLiqDate, 0);
    EXPECT_EQ(row.QFStatus.View(), "???");
    EXPECT_EQ(row.QFLiZo.View(), "?");
    EXPECT_TRUE(row.QFBType.Empty());
    EXPECT_EQ(row.QFBCount, 0);
}

TEST(PartyMappingRow, TextsAreCutToTheRowWidths) {
    SuggestionItem item = BankItem();
    std::string longName(300, 'N');
    item.Name = "   " + longName;
    item.Inn = std::string(40, '7');
    item.Address = std::string(400, 'A');
    PartyRow row = ToPartyRow(item);
    EXPECT_EQ(row.QFName.View(), longName.substr(0, 255));
    EXPECT_EQ(row.QFInn.View(), std::string(19, '7'));
    EXPECT_EQ(row.QFAddress.View().size(), 255u);
}

TEST(PartyMappingRow, OkvedIsCutByTheAnswerFieldNotTheRow) {
    SuggestionItem item = BankItem();
    item.Okved = "62.01 Разработка компьютерного программного обеспечения"_ansi;
    EXPECT_EQ(ToPartyRow(item).QFOkved.View(), "62.01 Разработка ком"_ansi);
}

TEST(PartyMappingRow, BranchCountThatIsNoNumber) {
    SuggestionItem item = BankItem();
    item.BCount = "many";
    EXPECT_EQ(ToPartyRow(item).QFBCount, 0);
    item.BCount = "9999999999";
    EXPECT_EQ(ToPartyRow(item).QFBCount, 0);
    item.BCount = "12.0";
    EXPECT_EQ(ToPartyRow(item).QFBCount, 12);
}

TEST(PartyRecordCopy, CopiesEveryFieldAndTheRegion) {
    PartyRow row = ToPartyRow(BankItem());
    PartyRecord r = CopyToPartyRecord(row, 77);
    EXPECT_EQ(r.DaName.View(), row.QFName.View());
    EXPECT_EQ(r.DaInn.View(), "7707083893");
    EXPECT_EQ(r.DaKpp.View(), "773601001");
    EXPECT_EQ(r.DaOgrn.View(), "1027700132195");
    EXPECT_EQ(r.DaLiZo.View(), "Ю"_ansi);
    EXPECT_EQ(r.DaAddress.View(), row.QFAddress.View());
    EXPECT_EQ(r.DaActDate, row.QFActDate);
    EXPECT_EQ(r.DaRegDate, row.QFRegDate);
    EXPECT_EQ(r.DaLiqDate, 0);
    EXPECT_EQ(r.DaStatus.View(), row.QFStatus.View());
    EXPECT_EQ(r.DaDir.View(), row.QFDir.View());
    EXPECT_EQ(r.DaDol.View(), row.QFDol.View());
    EXPECT_EQ(r.DaBCount, 88);
    EXPECT_EQ(r.DaBType.View(), row.QFBType.View());
    EXPECT_EQ(r.DaOkved.View(), "64.19");
    EXPECT_EQ(r.DaOkpo.View(), "00032537");
    EXPECT_EQ(r.DaSrf, 77);
    EXPECT_EQ(r.DaLat.View(), "55.7002");
    EXPECT_EQ(r.DaLon.View(), "37.5855");
}

} // namespace
} // namespace kvilo::lookup
