// A rules text parsed once and shared by a whole mapping call: selections match FindRule on a freshly parsed
// list step for step, and every element of an array gets the same rules as the first.
#include "json/rule_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json/json_mapping.h"
#include "json/json_parser.h"

using namespace kvilo::json;

namespace {

struct Item {
    ZText<10> CODE;
    ZText<10> TITLE;
    int32_t COUNT = 0;
};
KVILO_RECORD(Item, CODE, TITLE, COUNT)

struct Batch {
    ListHandle ITEMS = 0;
    ZText<10> LABEL;
};
KVILO_RECORD(Batch, ITEMS, LABEL)

JsonTree Json(std::string_view text) {
    TJsonParser parser;
    return ParseJson(parser, text, 0);
}

// Notes every selection it is told of and marks the rule, so that a changed rule shows in the result.
struct NotingHelper : RuleHelper {
    std::vector<std::string> told;
    void OnRuleFound(std::string_view fieldName, TFieldRule& rule) override {
        told.push_back(std::string(fieldName) + ":" + rule.NAME.Str());
        rule.FORMAT = "marked";
    }
};

std::string Describe(const TFieldRule& rule) {
    return rule.NAME.Str() + "|" + rule.JSONNAME.Str() + "|" + rule.FORMAT.Str() + "|" +
           std::to_string(rule.RULEHELPER) + "|" + std::to_string(rule.IGNORE);
}

} // namespace

TEST(RuleSetSelection, MatchesFindRuleOnAFreshListStepByStep) {
    NotingHelper helper;
    const std::string helperText = std::to_string(helper.Handle());
    const std::vector<std::string> texts = {
        "",
        "[{\"name\":\"code\",\"jsonName\":\"id\"}]",
        "[{\"name\":\"*\",\"ignore\":1},{\"name\":\"Title\"},{\"name\":\"TITLE\",\"jsonName\":\"second\"}]",
        "[{\"name\":\"code\",\"ruleHelper\":" + helperText + "},{\"name\":\"title\"}]",
        "[{\"name\":\"*\",\"ruleHelper\":" + helperText + "},{\"name\":\"count\",\"ruleHelper\":0}]",
        "{\"name\":\"code\",\"ruleHelper\":" + helperText + "}",
        "[not json",
    };
    const std::vector<std::string> names = {"CODE", "title", "count", "missing", "Code", "COUNT", "title "};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        FieldRuleList list;
        ParseFieldRules(text, list);
        helper.told.clear();
        std::vector<std::string> expected;
        for (const std::string& name : names) {
            FindRule(list, name);
            expected.push_back(Describe(list.BufferRecord()));
        }
        const std::vector<std::string> expectedTold = helper.told;

        const RuleSet rules(text);
        RuleCursor cursor(rules);
        helper.told.clear();
        std::vector<std::string> actual;
        for (const std::string& name : names)
            actual.push_back(Describe(cursor.Select(name)));
        EXPECT_EQ(actual, expected);
        EXPECT_EQ(helper.told, expectedTold);
    }
}

TEST(RuleSetSelection, TheListGivenToHelpersIsTheFreshlyParsedOne) {
    const std::string text = "[{\"name\":\"code\",\"jsonName\":\"id\"},{\"name\":\"title\",\"ignore\":1}]";
    FieldRuleList parsed;
    ParseFieldRules(text, parsed);
    FieldRuleList copied;
    RuleSet(text).CopyTo(copied);
    ASSERT_EQ(copied.Count(), parsed.Count());
    for (int32_t i = 0; i < parsed.Count(); ++i)
        EXPECT_EQ(Describe(copied.Records()[static_cast<size_t>(i)]),
                  Describe(parsed.Records()[static_cast<size_t>(i)]));
    EXPECT_EQ(Describe(copied.BufferRecord()), Describe(parsed.BufferRecord()));
}

TEST(SharedRules, EveryElementOfAnArrayGetsTheRules) {
    RecordListOf<Item> items;
    Batch batch;
    const std::string rules = "[{\"name\":\"items\",\"instance\":" + std::to_string(items.Handle()) +
                              "},{\"name\":\"code\",\"jsonName\":\"id\"},{\"name\":\"count\",\"ignore\":1}]";
    ASSERT_TRUE(JsonToRecord(Json("{\"label\":\"b\",\"items\":[{\"id\":\"a1\",\"code\":\"no\",\"Title\":\"x\","
                                  "\"count\":5},{\"ID \":\"a2\",\"TITLE\":\"y\",\"count\":6},{\"id\":\"a3\"}]}")
                                 .get(),
                             batch, rules));
    EXPECT_EQ(batch.LABEL.View(), "b");
    ASSERT_EQ(items.Count(), 3);
    const std::vector<std::pair<std::string, std::string>> expected = {{"a1", "x"}, {"a2", "y"}, {"a3", ""}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(items.Records()[i].CODE.View(), expected[i].first);
        EXPECT_EQ(items.Records()[i].TITLE.View(), expected[i].second);
        EXPECT_EQ(items.Records()[i].COUNT, 0);
    }
}

TEST(SharedRules, ABadRulesTextStillLoadsEveryElementByName) {
    RecordListOf<Item> items;
    ASSERT_TRUE(
        JsonToList(Json("[{\"code\":\"1\",\"count\":2},{\"CODE\":\"3\",\"Count\":4}]").get(), items, 0, "[{\"name\":"));
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Records()[0].CODE.View(), "1");
    EXPECT_EQ(items.Records()[1].COUNT, 4);
}

namespace {

struct Holder {
    Item PART;
    ZText<10> NOTE;
};
KVILO_RECORD(Holder, PART, NOTE)

} // namespace

TEST(SharedRules, AGroupIsClearedBeforeEachObjectLoadsIt) {
    Holder holder;
    ASSERT_TRUE(
        JsonToRecord(Json("{\"part\":{\"code\":\"a\",\"count\":3},\"note\":\"n\",\"PART\":{\"title\":\"t\"}}").get(),
                     holder, "[{\"name\":\"note\",\"jsonName\":\"note\"}]"));
    EXPECT_TRUE(holder.PART.CODE.Empty());
    EXPECT_EQ(holder.PART.COUNT, 0);
    EXPECT_EQ(holder.PART.TITLE.View(), "t");
    EXPECT_EQ(holder.NOTE.View(), "n");
}
