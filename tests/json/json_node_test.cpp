// The node model: creation, linking, lookup, values, references and deletion.
#include "json/json_node.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/cp1251.h"
#include "json/json_parser.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;

namespace {

JsonTree Tree(TJsonNode* node) {
    return JsonTree(node);
}

} // namespace

TEST(JsonNodeCreate, BoolIsTrueOnlyForOne) {
    EXPECT_TRUE(IsTrue(Tree(CreateBool(1)).get()));
    EXPECT_TRUE(IsFalse(Tree(CreateBool(0)).get()));
    EXPECT_TRUE(IsFalse(Tree(CreateBool(2)).get()));
    EXPECT_TRUE(IsFalse(Tree(CreateBool(-1)).get()));
    EXPECT_EQ(Tree(CreateBool(1))->VALUEINT, 1);
}

TEST(JsonNodeCreate, StringsLoseTrailingBlanksAndBlankLeavesTextUnset) {
    auto text = Tree(CreateString("abc   "));
    EXPECT_EQ(GetString(text.get()), "abc");
    auto blank = Tree(CreateString("    "));
    EXPECT_TRUE(IsString(blank.get()));
    EXPECT_FALSE(blank->VALUESTRING.IsSet());
    EXPECT_EQ(GetString(blank.get()), "");
    auto raw = Tree(CreateRaw("{\"a\":1}  "));
    EXPECT_TRUE(IsRaw(raw.get()));
    EXPECT_EQ(GetString(raw.get()), "{\"a\":1}");
}

TEST(JsonNodeCreate, LongTextsAreKeptWhole) {
    const std::string longText(5000, 'x');
    auto node = Tree(CreateString(longText + "z"));
    EXPECT_EQ(GetString(node.get()), longText + "z");
}

TEST(JsonNodeNumber, IntegerPartIsClampedAndTruncatedTowardZero) {
    EXPECT_EQ(Tree(CreateNumber(3000000000.0))->VALUEINT, 2147483647);
    EXPECT_EQ(Tree(CreateNumber(2147483647.0))->VALUEINT, 2147483647);
    EXPECT_EQ(Tree(CreateNumber(-3000000000.0))->VALUEINT, -2147483647 - 1);
    EXPECT_EQ(Tree(CreateNumber(-2.9))->VALUEINT, -2);
    EXPECT_EQ(Tree(CreateNumber(2.9))->VALUEINT, 2);
    EXPECT_DOUBLE_EQ(Tree(CreateNumber(-2.9))->VALUEDOUBLE, -2.9);
}

TEST(JsonNodeCreate, NumberArrayHoldsValuesInOrder) {
    const double values[] = {1.5, -2, 3};
    auto array = Tree(CreateNumberArray(3, values));
    ASSERT_TRUE(IsArray(array.get()));
    EXPECT_EQ(GetSize(array.get()), 3);
    EXPECT_DOUBLE_EQ(GetNumber(GetArrayItem(array.get(), 1)), 1.5);
    EXPECT_DOUBLE_EQ(GetNumber(GetArrayItem(array.get(), 3)), 3);
    EXPECT_EQ(GetArrayItem(array.get(), 3)->PREV, GetArrayItem(array.get(), 2));
}

TEST(JsonNodeCreate, StringArrayFollowsTheEmptyTextRule) {
    const char table[] = "ab  "
                         "    "
                         "cd  ";
    auto plain = Tree(CreateStringArray(3, 4, table, EmptyTextRule::EmptyString));
    ASSERT_EQ(GetSize(plain.get()), 3);
    EXPECT_TRUE(IsString(GetArrayItem(plain.get(), 2)));
    EXPECT_EQ(GetString(GetArrayItem(plain.get(), 3)), "cd");
    auto nulls = Tree(CreateStringArray(3, 4, table, EmptyTextRule::Null));
    EXPECT_TRUE(IsNull(GetArrayItem(nulls.get(), 2)));
    auto skipped = Tree(CreateStringArray(3, 4, table, EmptyTextRule::Ignore));
    EXPECT_EQ(GetSize(skipped.get()), 2);
    EXPECT_EQ(GetString(GetArrayItem(skipped.get(), 2)), "cd");
    EXPECT_EQ(EmptyTextRuleOf("NULL  "), EmptyTextRule::Null);
    EXPECT_EQ(EmptyTextRuleOf("Ignore"), EmptyTextRule::Ignore);
    EXPECT_EQ(EmptyTextRuleOf("nothing"), EmptyTextRule::EmptyString);
}

TEST(JsonNodeLink, ArrayItemsCountFromOne) {
    auto array = Tree(CreateArray());
    ASSERT_TRUE(AddItemToArray(array.get(), CreateNumber(10)));
    ASSERT_TRUE(AddItemToArray(array.get(), CreateNumber(20)));
    EXPECT_DOUBLE_EQ(GetNumber(GetArrayItem(array.get(), 1)), 10);
    EXPECT_DOUBLE_EQ(GetNumber(GetArrayItem(array.get(), 2)), 20);
    EXPECT_EQ(GetArrayItem(array.get(), 0), nullptr);
    EXPECT_EQ(GetArrayItem(array.get(), -1), nullptr);
    EXPECT_EQ(GetArrayItem(array.get(), 3), nullptr);
}

TEST(JsonNodeLink, MissingArgumentsFail) {
    auto object = Tree(CreateObject());
    EXPECT_FALSE(AddItemToArray(object.get(), nullptr));
    EXPECT_FALSE(AddItemToObject(nullptr, "a", nullptr));
    EXPECT_EQ(AddStringToObject(nullptr, "a", "x"), nullptr); // the new node is deleted (sanitizer build)
    EXPECT_EQ(AddNumberToObject(object.get(), "   ", 1), nullptr);
    EXPECT_EQ(GetSize(object.get()), 0);
}

TEST(JsonNodeLink, BlankNameFailsAndTrailingBlanksAreDropped) {
    auto object = Tree(CreateObject());
    auto orphan = Tree(CreateNull());
    EXPECT_FALSE(AddItemToObject(object.get(), "   ", orphan.get()));
    EXPECT_EQ(object->CHILD, nullptr);
    TJsonNode* member = AddStringToObject(object.get(), "a   ", "x");
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->NAME.View(), "a");
}

TEST(JsonNodeLink, AddingToObjectRenamesAndKeepsOnlyTypeAndReferenceFlag) {
    auto object = Tree(CreateObject());
    TJsonNode* item = CreateNumber(1);
    item->NAME.Assign("old");
    item->TYPE |= kJsonIsReference | 512;
    ASSERT_TRUE(AddItemToObject(object.get(), "new", item));
    EXPECT_EQ(item->NAME.View(), "new");
    EXPECT_EQ(item->TYPE, kJsonNumber | kJsonIsReference);
}

TEST(JsonNodeLink, AnItemCanBeAddedUnderItsOwnName) {
    // The new name is copied before the old one is released: here they are the same text.
    auto object = Tree(CreateObject());
    TJsonNode* item = CreateNull();
    item->NAME.Assign("a rather long member name, longer than fifteen bytes");
    ASSERT_TRUE(AddItemToObject(object.get(), item->NAME.View(), item));
    EXPECT_EQ(item->NAME.View(), "a rather long member name, longer than fifteen bytes");
}

TEST(JsonNodeLink, DuplicateNamesAreAppended) {
    auto object = Tree(CreateObject());
    AddNumberToObject(object.get(), "a", 1);
    AddNumberToObject(object.get(), "a", 2);
    EXPECT_EQ(GetSize(object.get()), 2);
    EXPECT_DOUBLE_EQ(GetNumber(GetObjectItem(object.get(), "a")), 1);
}

TEST(JsonNodeQuery, CaseInsensitiveLookupCoversCyrillic) {
    auto object = Tree(CreateObject());
    AddStringToObject(object.get(), "inn", "1");
    AddStringToObject(object.get(), "инн"_ansi, "2");
    AddStringToObject(object.get(), "ёлка"_ansi, "3");
    EXPECT_EQ(GetString(GetObjectItem(object.get(), "Inn")), "1");
    EXPECT_EQ(GetString(GetObjectItem(object.get(), "ИНН"_ansi)), "2");
    EXPECT_EQ(GetString(GetObjectItem(object.get(), "ЁЛКА"_ansi)), "3");
    EXPECT_EQ(GetObjectItem(object.get(), "Inn", true), nullptr);
    EXPECT_EQ(GetString(GetObjectItem(object.get(), "inn  ", true)), "1");
}

TEST(JsonNodeQuery, FindAnywhereSearchesDepthFirst) {
    auto root = Tree(CreateObject());
    TJsonNode* first = CreateObject();
    AddNumberToObject(first, "deep", 1);
    AddItemToObject(root.get(), "first", first);
    TJsonNode* second = CreateObject();
    AddNumberToObject(second, "deep", 2);
    AddItemToObject(root.get(), "second", second);
    EXPECT_DOUBLE_EQ(GetNumber(FindItemAnywhere(root.get(), "DEEP")), 1);
    EXPECT_DOUBLE_EQ(FindValueAnywhere(root.get(), "deep").real(), 1);
    EXPECT_EQ(FindValueAnywhere(root.get(), "missing").text(), "");
}

TEST(JsonNodeQuery, HasItemForObjectsAndArrays) {
    auto object = Tree(CreateObject());
    AddNullToObject(object.get(), "x");
    EXPECT_TRUE(HasItem(object.get(), "X"));
    EXPECT_FALSE(HasItem(object.get(), "y"));
    auto array = Tree(CreateArray());
    AddItemToArray(array.get(), CreateNull());
    AddItemToArray(array.get(), CreateNull());
    EXPECT_TRUE(HasItem(array.get(), "2"));
    EXPECT_FALSE(HasItem(array.get(), "3"));
    EXPECT_FALSE(HasItem(array.get(), "0"));
    EXPECT_FALSE(HasItem(array.get(), "x"));
    auto number = Tree(CreateNumber(1));
    EXPECT_FALSE(HasItem(number.get(), "1"));
}

TEST(JsonNodeQuery, RecursiveSize) {
    auto object = Tree(CreateObject());
    const double values[] = {1, 2, 3};
    AddItemToObject(object.get(), "list", CreateNumberArray(3, values));
    EXPECT_EQ(GetSize(object.get(), true), 4);
    EXPECT_EQ(GetSize(object.get(), false), 1);
}

TEST(JsonNodeQuery, ValuesByType) {
    EXPECT_EQ(GetValue(Tree(CreateRaw("123")).get()).text(), "");
    EXPECT_TRUE(GetValue(Tree(CreateRaw("123")).get()).isText());
    EXPECT_EQ(GetValue(Tree(CreateNull()).get()).text(), "");
    EXPECT_EQ(GetValue(Tree(CreateObject()).get()).text(), "");
    EXPECT_EQ(GetValue(Tree(CreateBool(1)).get()).integer(), 1);
    EXPECT_EQ(GetValue(Tree(CreateBool(0)).get()).integer(), 0);
    EXPECT_DOUBLE_EQ(GetValue(Tree(CreateNumber(12.5)).get()).real(), 12.5);
    EXPECT_EQ(GetValue(Tree(CreateString("s")).get()).text(), "s");
    EXPECT_EQ(GetValue(nullptr).text(), "");
}

TEST(JsonNodeQuery, TypeTests) {
    auto node = Tree(CreateBool(1));
    EXPECT_TRUE(IsBool(node.get()));
    EXPECT_FALSE(IsNumber(node.get()));
    EXPECT_TRUE(IsBool(Tree(CreateBool(0)).get()));
    EXPECT_FALSE(IsBool(Tree(CreateNull()).get()));
    EXPECT_FALSE(IsString(nullptr));
    TJsonNode invalid;
    EXPECT_TRUE(IsInvalid(&invalid));
}

TEST(JsonNodeReference, DeletingAReferenceLeavesTheOriginalIntact) {
    auto original = Tree(CreateObject());
    AddStringToObject(original.get(), "text", "a text long enough to live on the heap");
    auto text = Tree(CreateString("another text long enough to live on the heap"));
    TJsonNode* reference = CreateReference(original.get());
    TJsonNode* textReference = CreateReference(text.get());
    EXPECT_EQ(reference->CHILD, original->CHILD);
    EXPECT_NE(reference->TYPE & kJsonIsReference, 0);
    EXPECT_EQ(GetString(textReference), GetString(text.get()));
    DeleteJson(reference);
    DeleteJson(textReference);
    EXPECT_EQ(GetString(GetObjectItem(original.get(), "text")), "a text long enough to live on the heap");
    EXPECT_EQ(GetString(text.get()), "another text long enough to live on the heap");
    EXPECT_EQ(CreateReference(nullptr), nullptr);
}

TEST(JsonNodeReference, ReferenceMemberSharesTheValue) {
    auto source = Tree(CreateNumber(7));
    auto object = Tree(CreateObject());
    TJsonNode* member = AddReferenceToObject(object.get(), "seven", source.get());
    ASSERT_NE(member, nullptr);
    EXPECT_DOUBLE_EQ(GetNumber(GetObjectItem(object.get(), "SEVEN")), 7);
    EXPECT_EQ(member->NAME.View(), "seven");
}

TEST(JsonNodeGrowth, ParsingAMillionElementsLinksEachInConstantTime) {
    // Appending by walking the sibling chain would make this quadratic: about 5 * 10^11 steps.
    std::string text = "[0";
    for (int i = 1; i < 1000000; ++i)
        text += ",1";
    text += "]";
    TJsonParser parser;
    JsonTree root = ParseJson(parser, text, -1);
    ASSERT_TRUE(root);
    EXPECT_EQ(GetSize(root.get()), 1000000);
}

TEST(JsonNodeGrowth, DeletingLongChainsAndDeepNestingUsesNoRecursion) {
    // A recursive delete would overflow the stack on either of these.
    auto wide = Tree(CreateArray());
    TJsonNode* last = nullptr;
    for (int i = 0; i < 1000000; ++i) {
        TJsonNode* item = CreateNumber(i);
        LinkAfter(wide.get(), last, item);
        last = item;
    }
    EXPECT_EQ(GetArrayItem(wide.get(), 1000000), last);
    wide.reset();

    auto deep = Tree(CreateArray());
    TJsonNode* inner = deep.get();
    for (int i = 0; i < 1000000; ++i) {
        TJsonNode* child = CreateArray();
        LinkAfter(inner, nullptr, child);
        inner = child;
    }
    deep.reset();
    SUCCEED();
}

TEST(JsonNodeMemory, TreesOutliveTheThreadThatMadeThemAndMayBeReleasedOnAnother) {
    // Nodes are cut from per-thread slabs; a slab must live as long as any node cut from it, whichever
    // thread made it or releases it. The address sanitizer build sees a slab released too early or never.
    const std::string text = "{\"name\":\"a text longer than the inline part of a node\",\"list\":[1,2.5,3e3]}";
    TJsonParser parser;
    JsonTree madeOnWorker;
    std::thread([&] { madeOnWorker = ParseJson(parser, text, -1); }).join();
    ASSERT_TRUE(madeOnWorker);
    EXPECT_EQ(GetString(GetObjectItem(madeOnWorker.get(), "name")), "a text longer than the inline part of a node");

    JsonTree madeHere = ParseJson(parser, text, -1);
    std::thread([&] {
        madeHere.reset();
        madeOnWorker.reset();
    }).join();
    JsonTree next = ParseJson(parser, text, -1);
    EXPECT_DOUBLE_EQ(GetNumber(GetArrayItem(GetObjectItem(next.get(), "list"), 3)), 3000);
}
