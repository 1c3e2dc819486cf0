// The party-suggestion sample answer loads through the one-rule rules text into suggestion records.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/cp1251.h"
#include "suggestion_record.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;

namespace suggestion {

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

namespace {

std::string ReadFixture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct Expected {
    const char* name;
    const char* branchCount;
    const char* branchType;
    const char* inn;
    const char* kpp;
    const char* ogrn;
    const char* okpo;
    const char* okved;
    const char* type;
    const char* manager;
    const char* post;
    const char* actuality;
    const char* registration;
    const char* liquidation;
    const char* status;
    const char* address;
    const char* lat;
    const char* lon;
};

void ExpectItem(const suggestion::Item& item, const Expected& e) {
    EXPECT_EQ(item.UNRESTRICTED_VALUE.View(), e.name);
    EXPECT_EQ(item.DATA.BRANCH_COUNT.View(), e.branchCount);
    EXPECT_EQ(item.DATA.BRANCH_TYPE.View(), e.branchType);
    EXPECT_EQ(item.DATA.INN.View(), e.inn);
    EXPECT_EQ(item.DATA.KPP.View(), e.kpp);
    EXPECT_EQ(item.DATA.OGRN.View(), e.ogrn);
    EXPECT_EQ(item.DATA.OKPO.View(), e.okpo);
    EXPECT_EQ(item.DATA.OKVED.View(), e.okved);
    EXPECT_EQ(item.DATA.TYPE.View(), e.type);
    EXPECT_EQ(item.DATA.MANAGEMENT.NAME.View(), e.manager);
    EXPECT_EQ(item.DATA.MANAGEMENT.POST.View(), e.post);
    EXPECT_EQ(item.DATA.STATE.ACTUALITY_DATE.View(), e.actuality);
    EXPECT_EQ(item.DATA.STATE.REGISTRATION_DATE.View(), e.registration);
    EXPECT_EQ(item.DATA.STATE.LIQUIDATION_DATE.View(), e.liquidation);
    EXPECT_EQ(item.DATA.STATE.STATUS.View(), e.status);
    EXPECT_EQ(item.DATA.ADDRESS.UNRESTRICTED_VALUE.View(), e.address);
    EXPECT_EQ(item.DATA.ADDRESS.DATA.GEO_LAT.View(), e.lat);
    EXPECT_EQ(item.DATA.ADDRESS.DATA.GEO_LON.View(), e.lon);
}

} // namespace

TEST(SuggestSample, ThreeEntriesLoadWithEveryFieldTheResultModelNeeds) {
    const std::string body = ReadFixture(std::string(KVILO_SHARED_FIXTURES) + "/suggest-party-sample.json");
    TJsonParser parser;
    JsonTree root = ParseJson(parser, body, 0);
    ASSERT_TRUE(root) << parser.PARSEERRORPOS;

    RecordListOf<suggestion::Item> working;
    suggestion::Answer answer;
    const std::string rules = "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(working.Handle()) + "}]";
    ASSERT_TRUE(JsonToRecord(root.get(), ViewOf(answer), rules));
    root.reset();
    ASSERT_EQ(working.Count(), 3);

    ExpectItem(working.Records()[0],
               {"ПАО СБЕРБАНК"_ansi, "88", "MAIN", "7707083893", "773601001", "1027700132195", "00032537", "64.19",
                "LEGAL", "Греф Герман Оскарович"_ansi, "ПРЕЗИДЕНТ, ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ"_ansi, "1737331200000",
                "677376000000", "", "ACTIVE", "117312, г Москва, Академический р-н, ул Вавилова, д 19"_ansi, "55.7002",
                "37.5855"});
    ExpectItem(working.Records()[1],
               {"ООО \"ВЕКТОР-СТРОЙ\""_ansi, "0", "MAIN", "1655187425", "165501001", "1121690007416", "", "41.20",
                "LEGAL", "Хасанов Рустем Ильдарович"_ansi, "ДИРЕКТОР"_ansi, "1635811200000", "1331769600000",
                "1635811200000", "LIQUIDATED",
                "420111, Респ Татарстан, г Казань, Вахитовский р-н, ул Профсоюзная, д 17"_ansi, "55.7904", "49.1129"});
    ExpectItem(working.Records()[2],
               {"ИП Смирнова Ольга Викторовна"_ansi, "", "", "667102453896", "", "319665800048715", "", "47.91",
                "INDIVIDUAL", "", "", "1725494400000", "1555459200000", "", "ACTIVE",
                "620000, Свердловская обл, г Екатеринбург"_ansi, "56.8386", "60.6055"});
}
