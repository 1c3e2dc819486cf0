// The dataset that ships with the fake services: its size, its shape, and the queries the lookup tests
// rely on.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/cp1251.h"
#include "party_dataset.h"

namespace kvilo::fake {
namespace {

using namespace base::literals;

const PartyIndex& Dataset() {
    static const PartyIndex index = [] {
        PartyIndex loaded;
        EXPECT_TRUE(LoadPartyIndexFile(KVILO_FAKE_PARTIES, loaded));
        return loaded;
    }();
    return index;
}

SuggestRequest Query(const std::string& utf8, int count = kMaxCount) {
    SuggestRequest r;
    r.query = utf8;
    r.count = count;
    return r;
}

TEST(FakeDataset, SplitKeepsEachEntryAsWritten) {
    auto items = SplitSuggestions(R"({"suggestions":[{"a":"}\"{"},{"b":[1,{"c":"]"}]}  ,{}]})");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], R"({"a":"}\"{"})");
    EXPECT_EQ(items[1], R"({"b":[1,{"c":"]"}]})");
    EXPECT_EQ(items[2], "{}");
}

TEST(FakeDataset, SplitRejectsWhatIsCutShortOrMissing) {
    EXPECT_TRUE(SplitSuggestions(R"({"suggestions":[{"a":1},{"b":)").empty());
    EXPECT_TRUE(SplitSuggestions(R"({"other":[{"a":1}]})").empty());
    PartyIndex index;
    EXPECT_FALSE(LoadPartyIndex(R"({"suggestions":[{"a":1},2]})", index));
}

TEST(FakeDataset, HasAtLeastSixtyEntriesOfManyRegionsAndBothKinds) {
    EXPECT_GE(Dataset().size(), 60u);
    SuggestRequest traders = Query("ИП");
    traders.type = "INDIVIDUAL";
    EXPECT_EQ(Dataset().Find(traders).size(), 16u);
    SuggestRequest legal = Query("ООО");
    legal.type = "INDIVIDUAL";
    EXPECT_TRUE(Dataset().Find(legal).empty());
}

TEST(FakeDataset, OneWordFillsTheListAndAnotherGivesNineteen) {
    EXPECT_EQ(Dataset().Find(Query("заря")).size(), 20u);
    EXPECT_EQ(Dataset().Find(Query("заря", 10)).size(), 10u);
    EXPECT_EQ(Dataset().Find(Query("ЛАДОГА")).size(), 19u);
    EXPECT_TRUE(Dataset().Find(Query("несуществующее")).empty());
}

TEST(FakeDataset, ABranchIsFoundByItsKpp) {
    auto hits = Dataset().Find(Query("781543001"));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_NE(hits[0]->raw.find("\"branch_type\":\"BRANCH\""), std::string::npos);
}

TEST(FakeDataset, EscapedEntriesAreFoundByTheirCyrillic) {
    std::set<std::string> escaped;
    for (const PartyEntry* e : Dataset().Find(Query("заря"))) {
        if (e->raw.find("\\u04") != std::string::npos) escaped.insert(e->raw);
    }
    EXPECT_FALSE(escaped.empty());
}

TEST(FakeDataset, RegionFilter) {
    SuggestRequest r = Query("ЛАДОГА");
    r.kladrIds = {"47"};
    auto hits = Dataset().Find(r);
    ASSERT_FALSE(hits.empty());
    for (const PartyEntry* e : hits)
        EXPECT_EQ(e->regionCode.substr(0, 2), "47");
}

} // namespace
} // namespace kvilo::fake
