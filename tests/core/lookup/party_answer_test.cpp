// Reading the services' answers: the sample party answer into sorted rows, error and version answers, and
// answers that are broken, oddly typed or very large.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/lookup/party_answer.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

std::string ReadFixture(const std::string& name) {
    std::ifstream file(std::string(KVILO_TEST_FIXTURES) + "/answers/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PartyAnswer, SampleAnswerGivesThreeRowsSortedByName) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer(ReadFixture("suggest-party.json"), rows), 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].QFName.View(), "АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\""_ansi);
    EXPECT_EQ(rows[1].QFName.View(), "ИП Шарипова Наталья Сергеевна"_ansi);
    EXPECT_EQ(rows[2].QFName.View(), "ООО \"УРАЛМЕТКОНСТРУКЦИЯ\""_ansi);
}

TEST(PartyAnswer, SampleBankRow) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer(ReadFixture("suggest-party.json"), rows), 3);
    const PartyRow& bank = rows[0];
    EXPECT_EQ(bank.QFInn.View(), "7716767498");
    EXPECT_EQ(bank.QFKpp.View(), "771601001");
    EXPECT_EQ(bank.QFOgrn.View(), "1027768615643");
    EXPECT_EQ(bank.QFLiZo.View(), "Ю"_ansi);
    EXPECT_EQ(bank.QFAddress.View(), "101050, г Москва, ш Энтузиастов, д 131"_ansi);
    EXPECT_EQ(bank.QFActDate, base::DayNumber(2024, 2, 18));
    EXPECT_EQ(bank.QFRegDate, base::DayNumber(2002, 8, 16));
    EXPECT_EQ(bank.QFLiqDate, 0);
    EXPECT_EQ(bank.QFStatus.View(), "действующая"_ansi);
    // The answer's "name" object follows "management": it must not blank the manager's name.
    EXPECT_EQ(bank.QFDir.View(), "Жуков Тимур Сергеевич"_ansi);
    EXPECT_EQ(bank.QFDol.View(), "ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ"_ansi);
    EXPECT_EQ(bank.QFBCount, 3);
    EXPECT_EQ(bank.QFBType.View(), "головной"_ansi);
    EXPECT_EQ(bank.QFOkved.View(), "64.19");
    EXPECT_EQ(bank.QFOkpo.View(), "09610424");
    EXPECT_EQ(bank.QFLat.View(), "55.726296");
    EXPECT_EQ(bank.QFLon.View(), "37.590499");
}

TEST(PartyAnswer, SampleLiquidatedCompanyAndSoleTrader) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer(ReadFixture("suggest-party.json"), rows), 3);
    const PartyRow& trader = rows[1];
    EXPECT_EQ(trader.QFLiZo.View(), "Ф"_ansi);
    EXPECT_TRUE(trader.QFKpp.Empty());
    EXPECT_TRUE(trader.QFBType.Empty());
    EXPECT_EQ(trader.QFBCount, 0);
    EXPECT_TRUE(trader.QFDir.Empty());
    EXPECT_TRUE(trader.QFOkpo.Empty()); // null
    const PartyRow& closed = rows[2];
    EXPECT_EQ(closed.QFStatus.View(), "ликвидирована"_ansi);
    EXPECT_EQ(closed.QFLiqDate, base::DayNumber(2018, 4, 17));
    EXPECT_EQ(closed.QFRegDate, base::DayNumber(2009, 6, 25));
    EXPECT_EQ(closed.QFDol.View(), "ЛИКВИДАТОР"_ansi); // written with \u escapes
}

// An empty array says the register has nothing; an answer without the array says nothing at all.
TEST(PartyAnswer, EmptySuggestionsAreNoneMissingOnesUnreadable) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("{\"suggestions\":[]}", rows), 0);
    EXPECT_EQ(MapAnswer("{\"other\":[{\"unrestricted_value\":\"x\"}]}", rows), kUnreadableAnswer);
    EXPECT_TRUE(rows.empty());
}

TEST(PartyAnswerBadInput, NotJsonIsUnreadable) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("", rows), kUnreadableAnswer);
    EXPECT_EQ(MapAnswer("<html><body>502 Bad Gateway</body></html>", rows), kUnreadableAnswer);
    EXPECT_EQ(MapAnswer("{\"suggestions\":[{\"unrestricted_value\":\"x\"}", rows), kUnreadableAnswer); // cut short
    EXPECT_EQ(MapAnswer("[1,2,3]", rows), kUnreadableAnswer);
    EXPECT_TRUE(rows.empty());
}

TEST(PartyAnswerBadInput, SuggestionsThatIsNoArrayIsUnreadable) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("{\"suggestions\":{\"unrestricted_value\":\"x\"}}", rows), kUnreadableAnswer);
    EXPECT_EQ(MapAnswer("{\"suggestions\":\"many\"}", rows), kUnreadableAnswer);
    EXPECT_EQ(MapAnswer("{\"suggestions\":null}", rows), kUnreadableAnswer);
    EXPECT_TRUE(rows.empty());
}

TEST(PartyAnswerBadInput, WrongMemberTypes) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer(R"({"suggestions":[{"unrestricted_value":12345,"data":{"inn":7707083893,"kpp":true,
        "type":["LEGAL"],"branch_count":"3","management":"nobody",
        "state":{"status":{"code":"ACTIVE"},"registration_date":{"ms":1029456000000},
                 "actuality_date":"soon","liquidation_date":"null"},
        "address":{"unrestricted_value":null,"data":{"geo_lat":55.75,"geo_lon":null}}}}]})",
                        rows),
              1);
    const PartyRow& row = rows[0];
    EXPECT_EQ(row.QFName.View(), "12345");
    EXPECT_EQ(row.QFInn.View(), "7707083893");
    EXPECT_EQ(row.QFKpp.View(), "1");
    EXPECT_EQ(row.QFLiZo.View(), "?");
    EXPECT_EQ(row.QFBCount, 3);
    EXPECT_TRUE(row.QFDir.Empty());
    EXPECT_EQ(row.QFStatus.View(), "???");
    EXPECT_EQ(row.QFRegDate, 0);                           // an object gives an empty value
    EXPECT_EQ(row.QFActDate, base::DayNumber(1970, 1, 1)); // text that is no number
    EXPECT_EQ(row.QFLiqDate, 0);                           // the text "null"
    EXPECT_TRUE(row.QFAddress.Empty());
    EXPECT_EQ(row.QFLat.View(), "55.75");
    EXPECT_TRUE(row.QFLon.Empty());
}

TEST(PartyAnswerBadInput, ElementsThatAreNoObjects) {
    PartyRows rows;
    // Scalars land in the item's first field, the name; nulls and arrays give empty rows.
    EXPECT_EQ(MapAnswer("{\"suggestions\":[\"ООО Альфа\",null,[1]]}", rows), 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].QFName.View(), "ООО Альфа"_ansi);
}

TEST(PartyAnswerBadInput, BadBytesAndPlacesThatAreNone) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer("{\"suggestions\":[{\"unrestricted_value\":\"ООО \xC3 Альфа\xD0\",\"data\":"
                        "{\"address\":{\"data\":{\"geo_lat\":1e999,\"geo_lon\":\"nan\"}}}}]}",
                        rows),
              1);
    EXPECT_EQ(rows[0].QFName.View(), "ООО ? Альфа?"_ansi);
    EXPECT_TRUE(rows[0].QFLat.Empty());
    EXPECT_TRUE(rows[0].QFLon.Empty());
}

TEST(PartyAnswerBadInput, MoreEntriesThanAskedFor) {
    // Millions of empty entries cost no more than twenty: only the first twenty are kept.
    std::string answer = "{\"suggestions\":[{\"unrestricted_value\":\"B\"},{\"unrestricted_value\":\"A\"}";
    for (int i = 0; i < 1000000; ++i)
        answer += ",{}";
    answer += "]}";
    PartyRows rows;
    EXPECT_EQ(MapAnswer(answer, rows), 20);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[18].QFName.View(), "A");
    EXPECT_EQ(rows[19].QFName.View(), "B");
    // Still the whole answer is read: a fault after the twentieth entry is a fault of the answer.
    EXPECT_EQ(MapAnswer(answer.substr(0, answer.size() - 1), rows = {}), kUnreadableAnswer);
}

TEST(PartyAnswerBadInput, SeveralMegabytes) {
    // Twenty entries, each dragging half a megabyte of members the program ignores and texts far beyond
    // its field widths.
    std::string filler(256 * 1024, 'x');
    std::string answer = "{\"suggestions\":[";
    for (int i = 0; i < 20; ++i) {
        answer += (i ? "," : "");
        answer += "{\"value\":\"" + filler + "\",\"unrestricted_value\":\"N" + std::to_string(i) + filler +
                  "\",\"data\":{\"okveds\":[";
        for (int k = 0; k < 2000; ++k)
            answer += (k ? "," : "") + std::string("{\"code\":\"01.11\",\"main\":false}");
        answer += "],\"inn\":\"" + filler + "\"}}";
    }
    answer += "]}";
    ASSERT_GT(answer.size(), 10u * 1024 * 1024);
    PartyRows rows;
    EXPECT_EQ(MapAnswer(answer, rows), 20);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0].QFName.View().size(), 255u);
    EXPECT_EQ(rows[0].QFInn.View(), std::string(19, 'x'));
}

TEST(VersionAnswerLoad, DataSetsAreMatchedByTheirExternalNames) {
    VersionAnswer v;
    ASSERT_TRUE(LoadVersionAnswer(ReadFixture("version.json"), v));
    EXPECT_EQ(v.DADATA.VERSION.View(), "stable (9112:4be6c1a07f2e)");
    EXPECT_EQ(v.SUGGESTIONS.VERSION.View(), "24.2 (8e1f0c55)");
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D1.View(), "18.02.2024");
    EXPECT_TRUE(v.SUGGESTIONS.RESOURCES.D2.Empty());
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D3.View(), "16.02.2024");
    EXPECT_EQ(v.FACTOR.VERSION.View(), "24.2 (3a9d7b21)");
    EXPECT_EQ(v.FACTOR.RESOURCES.X1.View(), "17.02.2024");
    EXPECT_EQ(v.FACTOR.RESOURCES.X3.View(), "14.02.2024");
}

TEST(VersionAnswerLoad, EscapedNamesAndOtherResources) {
    VersionAnswer v;
    ASSERT_TRUE(LoadVersionAnswer("{\"suggestions\":{\"resources\":{\"\\u0415\\u0413\\u0420\\u042e\\u041b\":"
                                  "\"01.06.2024\",\"IP-\\u0430\\u0434\\u0440\\u0435\\u0441\\u0430\":\"02.06.2024\"}}}",
                                  v));
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D1.View(), "01.06.2024");
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D2.View(), "02.06.2024");
    EXPECT_FALSE(LoadVersionAnswer("not json", v));
    EXPECT_TRUE(v.SUGGESTIONS.RESOURCES.D1.Empty());
}

} // namespace
} // namespace kvilo::lookup
