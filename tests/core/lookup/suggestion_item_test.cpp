// The answer record made from the field list loads exactly what the hand-written record of
// suggestion_record.h loads (groups DATA, MANAGEMENT, STATE, ADDRESS and its DATA, in that order): the same
// text in every field, whatever the answer holds, wherever its members stand and in whatever letter case.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "core/lookup/suggestion_item.h"
#include "suggestion_record.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"
#include "json/record_list.h"

namespace shape = suggestion;

namespace kvilo::lookup {
namespace {

// Each field of the list, as the hand-written record holds it.
std::string_view ShapeText(const shape::Item& item, PartyFieldId id) {
    const shape::Data& d = item.DATA;
    switch (id) {
    case PartyFieldId::Name:
        return item.UNRESTRICTED_VALUE.View();
    case PartyFieldId::Inn:
        return d.INN.View();
    case PartyFieldId::Kpp:
        return d.KPP.View();
    case PartyFieldId::Ogrn:
        return d.OGRN.View();
    case PartyFieldId::LiZo:
        return d.TYPE.View();
    case PartyFieldId::Address:
        return d.ADDRESS.UNRESTRICTED_VALUE.View();
    case PartyFieldId::ActDate:
        return d.STATE.ACTUALITY_DATE.View();
    case PartyFieldId::RegDate:
        return d.STATE.REGISTRATION_DATE.View();
    case PartyFieldId::LiqDate:
        return d.STATE.LIQUIDATION_DATE.View();
    case PartyFieldId::Status:
        return d.STATE.STATUS.View();
    case PartyFieldId::Dir:
        return d.MANAGEMENT.NAME.View();
    case PartyFieldId::Dol:
        return d.MANAGEMENT.POST.View();
    case PartyFieldId::BCount:
        return d.BRANCH_COUNT.View();
    case PartyFieldId::BType:
        return d.BRANCH_TYPE.View();
    case PartyFieldId::Okved:
        return d.OKVED.View();
    case PartyFieldId::Okpo:
        return d.OKPO.View();
    case PartyFieldId::Lat:
        return d.ADDRESS.DATA.GEO_LAT.View();
    case PartyFieldId::Lon:
        return d.ADDRESS.DATA.GEO_LON.View();
    }
    return {};
}

#define KVILO_TEST_ITEM_TEXT(name, ...)                                                                                \
    case PartyFieldId::name:                                                                                           \
        return item.name.View();
std::string_view ItemText(const SuggestionItem& item, PartyFieldId id) {
    switch (id) { KVILO_PARTY_FIELDS(KVILO_TEST_ITEM_TEXT, KVILO_PARTY_NOTHING) }
    return {};
}
#undef KVILO_TEST_ITEM_TEXT

// Answers whose entries hold the members of the answer paths at every level (an "inn" outside "data", a
// "geo_lat" inside "data", "data" inside "address" and beside it), in any letter case, some twice, with
// values of every kind.
class AnswerGenerator {
public:
    explicit AnswerGenerator(unsigned seed) : random_(seed) {}

    std::string Answer() {
        std::string out = "{\"suggestions\":[";
        for (int i = 0, count = Pick(4); i < count; ++i)
            out += std::string(i ? "," : "") + (Pick(8) ? Object(0) : Scalar());
        return out + "]}";
    }

private:
    int Pick(size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }

    std::string Name() {
        static const char* names[] = {"unrestricted_value",
                                      "data",
                                      "inn",
                                      "kpp",
                                      "ogrn",
                                      "okpo",
                                      "okved",
                                      "type",
                                      "branch_count",
                                      "branch_type",
                                      "management",
                                      "name",
                                      "post",
                                      "state",
                                      "status",
                                      "actuality_date",
                                      "registration_date",
                                      "liquidation_date",
                                      "address",
                                      "geo_lat",
                                      "geo_lon",
                                      "value",
                                      "DATA",
                                      "Inn",
                                      "Geo_Lat ",
                                      "\\u0064ata",
                                      "other"};
        return names[Pick(std::size(names))];
    }

    std::string Scalar() {
        static const char* scalars[] = {"\"ООО Альфа\"", "\"7707083893\"", "1029456000000",  "55.75", "true",
                                        "null",          "\"ACTIVE\"",     "\"  padded  \"", "-0.5e1"};
        return scalars[Pick(std::size(scalars))];
    }

    std::string Object(int depth) {
        std::string out = "{";
        for (int i = 0, count = Pick(8); i < count; ++i)
            out += std::string(i ? "," : "") + "\"" + Name() + "\":" + Value(depth + 1);
        return out + "}";
    }

    std::string Value(int depth) {
        switch (depth > 3 ? 2 : Pick(4)) {
        case 0:
        case 1:
            return Object(depth);
        case 2:
            return Scalar();
        default:
            return "[" + Scalar() + "," + Object(depth) + "]";
        }
    }

    std::mt19937 random_;
};

TEST(SuggestionItemRecord, LoadsWhatTheResultModelsShapeLoads) {
    for (unsigned seed = 1; seed <= 500; ++seed) {
        const std::string answer = AnswerGenerator(seed).Answer();
        json::RecordListOf<shape::Item> expected;
        json::RecordListOf<SuggestionItem> loaded;
        const auto rules = [](uint32_t handle) {
            return "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(handle) + "}]";
        };
        json::TJsonParser parser;
        json::JsonTree root = json::ParseJson(parser, answer, 0);
        shape::Answer shapeAnswer;
        ASSERT_TRUE(json::JsonToRecord(root.get(), json::ViewOf(shapeAnswer), rules(expected.Handle()))) << answer;
        shape::Answer tableAnswer;
        ASSERT_TRUE(json::JsonTextToRecord(parser, answer, 0, json::ViewOf(tableAnswer), rules(loaded.Handle())));
        ASSERT_EQ(loaded.Count(), expected.Count()) << answer;
        for (int32_t i = 0; i < loaded.Count(); ++i) {
            for (size_t f = 0; f < kPartyFieldCount; ++f) {
                const auto id = static_cast<PartyFieldId>(f);
                ASSERT_EQ(ItemText(loaded.Records()[i], id), ShapeText(expected.Records()[i], id))
                    << PartyFields()[f].name << " of entry " << i << " in " << answer;
            }
        }
    }
}

TEST(SuggestionItemRecord, NamesTheAnswersMembersInCapitals) {
    const json::RecordLayout& layout = json::LayoutOf<SuggestionItem>();
    std::string names;
    for (const auto& flat : layout.Flat())
        names += std::string(flat.info->name) + " ";
    EXPECT_EQ(names, "UNRESTRICTED_VALUE DATA INN KPP OGRN TYPE BRANCH_COUNT BRANCH_TYPE OKVED OKPO ADDRESS "
                     "UNRESTRICTED_VALUE DATA GEO_LAT GEO_LON STATE ACTUALITY_DATE REGISTRATION_DATE "
                     "LIQUIDATION_DATE STATUS MANAGEMENT NAME POST ");
}

} // namespace
} // namespace kvilo::lookup
