// A party-suggestion answer loads through the one-rule rules text into suggestion records.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/cp1251.h"
#include "suggestion_record.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;

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
    const std::string body = ReadFixture(std::string(KVILO_TEST_FIXTURES) + "/answers/suggest-party.json");
    TJsonParser parser;
    JsonTree root = ParseJson(parser, body, 0);
    ASSERT_TRUE(root) << parser.PARSEERRORPOS;

    RecordListOf<suggestion::Item> working;
    suggestion::Answer answer;
    const std::string rules = "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(working.Handle()) + "}]";
    ASSERT_TRUE(JsonToRecord(root.get(), ViewOf(answer), rules));
    root.reset();
    ASSERT_EQ(working.Count(), 3);

    // A liquidated company whose liquidator's post is written with \u escapes, a sole trader without kpp,
    // management and branch members, and a bank with branches; null codes load as empty texts.
    ExpectItem(working.Records()[0],
               {"ООО \"УРАЛМЕТКОНСТРУКЦИЯ\""_ansi, "0", "MAIN", "7472498431", "747201001", "1097423998627", "", "68.20",
                "LEGAL", "Сафин Ильдар Маратович"_ansi, "ЛИКВИДАТОР"_ansi, "1523923200000", "1245888000000",
                "1523923200000", "LIQUIDATED", "454946, Челябинская обл, г Челябинск, ул Заводская, д 68"_ansi,
                "55.202378", "61.411378"});
    ExpectItem(working.Records()[1],
               {"ИП Шарипова Наталья Сергеевна"_ansi, "", "", "238497902902", "", "312235109198416", "", "47.91",
                "INDIVIDUAL", "", "", "1706745600000", "1351382400000", "", "ACTIVE",
                "350626, Краснодарский край, г Краснодар, ул Ленина, д 19"_ansi, "45.079299", "38.946810"});
    ExpectItem(working.Records()[2], {"АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\""_ansi, "3", "MAIN", "7716767498", "771601001",
                                      "1027768615643", "09610424", "64.19", "LEGAL", "Жуков Тимур Сергеевич"_ansi,
                                      "ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ"_ansi, "1708214400000", "1029456000000", "", "ACTIVE",
                                      "101050, г Москва, ш Энтузиастов, д 131"_ansi, "55.726296", "37.590499"});
}
