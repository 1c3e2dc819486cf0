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
    std::ifstream file(std::string(KVILO_SHARED_FIXTURES) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PartyAnswer, SampleAnswerGivesThreeRowsSortedByName) {
    PartyRows rows;
    ASSERT_EQ(MapAnswer(ReadFixture("suggest-party-sample.json"), rows), 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].QFName.View(), "ИП Смирнова Ольга Викторовна"_ansi);
    EXPECT_EQ(rows[1].QFName.View(), "ООО \"ВЕКТОР-СТРОЙ\""_ansi);
    EXPECT_EQ(rows[2].QFName.View(), "ПАО СБЕРБАНК"_ansi);
}

TEST(PartyAnswer, SampleBankRow) {
    PartyRows rows;
    MapAnswer(ReadFixture("suggest-party-sample.json"), rows);
    const PartyRow& bank = rows[2];
    EXPECT_EQ(bank.QFInn.View(), "7707083893");
    EXPECT_EQ(bank.QFKpp.View(), "773601001");
    EXPECT_EQ(bank.QFOgrn.View(), "1027700132195");
    EXPECT_EQ(bank.QFLiZo.View(), "Ю"_ansi);
    EXPECT_EQ(bank.QFAddress.View(), "117312, г Москва, Академический р-н, ул Вавилова, д 19"_ansi);
    EXPECT_EQ(bank.QFActDate, base::DayNumber(2025, 1, 20));
    EXPECT_EQ(bank.QFRegDate, base::DayNumber(1991, 6, 20));
    EXPECT_EQ(bank.QFLiqDate, 0);
    EXPECT_EQ(bank.QFStatus.View(), "действующая"_ansi);
    // The answer's "name" object follows "management": it must not blank the manager's name.
    EXPECT_EQ(bank.QFDir.View(), "Греф Герман Оскарович"_ansi);
    EXPECT_EQ(bank.QFDol.View(), "ПРЕЗИДЕНТ, ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ"_ansi);
    EXPECT_EQ(bank.QFBCount, 88);
    EXPECT_EQ(bank.QFBType.View(), "головной"_ansi);
    EXPECT_EQ(bank.QFOkved.View(), "64.19");
    EXPECT_EQ(bank.QFOkpo.View(), "00032537");
    EXPECT_EQ(bank.QFLat.View(), "55.7002");
    EXPECT_EQ(bank.QFLon.View(), "37.5855");
}

TEST(PartyAnswer, SampleLiquidatedCompanyAndSoleTrader) {
    PartyRows rows;
    MapAnswer(ReadFixture("suggest-party-sample.json"), rows);
    const PartyRow& trader = rows[0];
    EXPECT_EQ(trader.QFLiZo.View(), "Ф"_ansi);
    EXPECT_TRUE(trader.QFKpp.Empty());
    EXPECT_TRUE(trader.QFBType.Empty());
    EXPECT_EQ(trader.QFBCount, 0);
    EXPECT_TRUE(trader.QFDir.Empty());
    EXPECT_TRUE(trader.QFOkpo.Empty()); // null
    const PartyRow& closed = rows[1];
    EXPECT_EQ(closed.QFStatus.View(), "ликвидирована"_ansi);
    EXPECT_EQ(closed.QFLiqDate, base::DayNumber(2021, 11, 2));
    EXPECT_EQ(closed.QFRegDate, base::DayNumber(2012, 3, 15));
}

TEST(PartyAnswer, EmptyAndMissingSuggestions) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("{\"suggestions\":[]}", rows), 0);
    EXPECT_EQ(MapAnswer("{\"other\":[{\"unrestricted_value\":\"x\"}]}", rows), 0);
    EXPECT_TRUE(rows.empty());
}

TEST(PartyAnswerBadInput, NotJson) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("", rows), 0);
    EXPECT_EQ(MapAnswer("<html><body>502 Bad Gateway</body></html>", rows), 0);
    EXPECT_EQ(MapAnswer("{\"suggestions\":[{\"unrestricted_value\":\"x\"}", rows), 0); // cut short
    EXPECT_EQ(MapAnswer("[1,2,3]", rows), 0);
    EXPECT_TRUE(rows.empty());
}

TEST(PartyAnswerBadInput, SuggestionsThatIsNoArray) {
    PartyRows rows;
    EXPECT_EQ(MapAnswer("{\"suggestions\":{\"unrestricted_value\":\"x\"}}", rows), 0);
    EXPECT_EQ(MapAnswer("{\"suggestions\":\"many\"}", rows), 0);
    EXPECT_EQ(MapAnswer("{\"suggestions\":null}", rows), 0);
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

TEST(ServiceErrorAnswer, LoadsFamilyReasonAndMessage) {
    ServiceError e;
    ASSERT_TRUE(LoadServiceError(
        "{\"family\":\"CLIENT_ERROR\",\"reason\":\"Forbidden\",\"message\":\"HTTP 403 Forbidden\",\"extra\":1}", e));
    EXPECT_EQ(e.FAMILY.View(), "CLIENT_ERROR");
    EXPECT_EQ(e.REASON.View(), "Forbidden");
    EXPECT_EQ(e.MESSAGE.View(), "HTTP 403 Forbidden");
    EXPECT_FALSE(LoadServiceError("<html>500</html>", e));
    EXPECT_TRUE(e.FAMILY.Empty());
    EXPECT_TRUE(LoadServiceError("{\"error\":\"x\"}", e));
    EXPECT_TRUE(e.FAMILY.Empty());
}

TEST(ServiceErrorAnswer, LongMessageIsCutAt250) {
    ServiceError e;
    ASSERT_TRUE(LoadServiceError("{\"family\":\"F\",\"message\":\"" + std::string(400, 'm') + "\"}", e));
    EXPECT_EQ(e.MESSAGE.View().size(), 250u);
}

TEST(VersionAnswerLoad, DataSetsAreMatchedByTheirExternalNames) {
    VersionAnswer v;
    ASSERT_TRUE(LoadVersionAnswer(ReadFixture("version-sample.json"), v));
    EXPECT_EQ(v.DADATA.VERSION.View(), "stable (9048:bf33b2acc8ba)");
    EXPECT_EQ(v.SUGGESTIONS.VERSION.View(), "25.1 (b55eb7f1)");
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D1.View(), "20.01.2025");
    EXPECT_TRUE(v.SUGGESTIONS.RESOURCES.D2.Empty());
    EXPECT_EQ(v.SUGGESTIONS.RESOURCES.D3.View(), "20.01.2025");
    EXPECT_EQ(v.FACTOR.VERSION.View(), "25.1 (c6b4b6c9)");
    EXPECT_EQ(v.FACTOR.RESOURCES.X3.View(), "17.01.2025");
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
