// The mapping engine: rules texts, JSON to records and lists, records and lists to JSON.
#include "json/json_mapping.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "base/cp1251.h"
#include "base/dates.h"
#include "platform/debug_output.h"
#include "json/json_parser.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;
using kvilo::platform::ScopedDebugCapture;

namespace mapping {

struct Person {
    ZText<20> inn;
    FixedText<20> NAME;
    int32_t COUNT = 0;
    double RATE = 0;
    Date BORN;
};
KVILO_RECORD(Person, (inn, "PRE:inn"), NAME, COUNT, RATE, BORN)

struct Address {
    FixedText<30> CITY;
    FixedText<10> NAME;
};
KVILO_RECORD(Address, CITY, NAME)

struct Manager {
    FixedText<30> NAME;
    FixedText<30> POST;
};
KVILO_RECORD(Manager, NAME, POST)

struct Company {
    FixedText<30> TITLE;
    Manager MANAGEMENT;
    Address ADDRESS;
    int32_t FLAG = 0;
    FixedText<8> NOTE;
};
KVILO_RECORD(Company, TITLE, MANAGEMENT, ADDRESS, FLAG, NOTE)

struct FileHolder {
    FixedText<400> NAME;
};
KVILO_RECORD(FileHolder, NAME)

struct Answer {
    ListHandle SUGGESTIONS = 0;
};
KVILO_RECORD(Answer, SUGGESTIONS)

struct Tagged {
    FixedText<10> CODE;
    std::array<int32_t, 3> NUMBERS{};
    std::array<FixedText<4>, 3> WORDS;
    std::array<Manager, 2> PEOPLE;
    ListHandle QUEUE_FLAG = 0;
    ListHandle QUEUE = 0;
    FixedText<10> TAIL;
};
KVILO_RECORD(Tagged, CODE, NUMBERS, WORDS, PEOPLE, QUEUE_FLAG, QUEUE, TAIL)

struct Resources {
    FixedText<10> D1;
    FixedText<10> D3;
};
KVILO_RECORD(Resources, (D1, "D1", "ЕГРЮЛ"_ansi), (D3, "D3", "Банки"_ansi))

struct Service {
    FixedText<40> VERSION;
    Resources RESOURCES;
};
KVILO_RECORD(Service, VERSION, RESOURCES)

struct VersionAnswer {
    Service SUGGESTIONS;
};
KVILO_RECORD(VersionAnswer, SUGGESTIONS)

} // namespace mapping

using namespace mapping;

namespace {

JsonTree Json(std::string_view text, int32_t codePage = 0) {
    TJsonParser parser;
    JsonTree root = ParseJson(parser, text, codePage);
    EXPECT_TRUE(root) << text;
    return root;
}

std::string Rules(std::string_view before, uint32_t handle, std::string_view after = "}]") {
    return std::string(before) + std::to_string(handle) + std::string(after);
}

// A compact text form of a tree, for comparing what the writing side built.
std::string Show(const TJsonNode* node) {
    std::string out;
    switch (node == nullptr ? -1 : node->Kind()) {
    case kJsonNull:
        return "null";
    case kJsonFalse:
        return "false";
    case kJsonTrue:
        return "true";
    case kJsonNumber:
        return kvilo::base::RealText(node->VALUEDOUBLE);
    case kJsonString:
        return "\"" + std::string(GetString(node)) + "\"";
    case kJsonRaw:
        return "raw(" + std::string(GetString(node)) + ")";
    case kJsonArray:
    case kJsonObject: {
        const bool object = node->Kind() == kJsonObject;
        out = object ? "{" : "[";
        for (const TJsonNode* child = node->CHILD; child != nullptr; child = child->NEXT) {
            if (child != node->CHILD) out += ",";
            if (object) out += std::string(child->NAME.View()) + ":";
            out += Show(child);
        }
        return out + (object ? "}" : "]");
    }
    default:
        return "?";
    }
}

} // namespace

TEST(FieldRulesParsing, DefaultOptionsAreInherited) {
    FieldRuleList rules;
    ParseFieldRules("[{\"name\":\"*\",\"ignoreZero\":1,\"format\":\"@n5\"},{\"name\":\"count\",\"format\":\"@n3\"}]",
                    rules);
    ASSERT_EQ(rules.Count(), 2);
    const TFieldRule& count = rules.Records()[1];
    EXPECT_EQ(count.NAME.View(), "count");
    EXPECT_EQ(count.IGNOREZERO, 1);
    EXPECT_EQ(count.FORMAT.View(), "@n3"); // its own option wins
}

TEST(FieldRulesParsing, NameInstanceAndSizesAreNeverInherited) {
    FieldRuleList rules;
    ParseFieldRules("[{\"name\":\"a\"},{\"name\":\"*\",\"instance\":5,\"fieldNumber\":2,\"arraySize\":3,"
                    "\"isQueue\":1,\"jsonName\":\"x\"}]",
                    rules);
    ASSERT_EQ(rules.Count(), 2);
    EXPECT_EQ(rules.Records()[0].INSTANCE, 0u);
    EXPECT_EQ(rules.Records()[0].FIELDNUMBER, 0);
    EXPECT_EQ(rules.Records()[0].ARRAYSIZE, 0);
    EXPECT_EQ(rules.Records()[0].ISQUEUE, 0);
    EXPECT_EQ(rules.Records()[0].JSONNAME.View(), "x");
}

TEST(FieldRulesParsing, WithoutADefaultABlankOneIsAppended) {
    FieldRuleList rules;
    ParseFieldRules("{\"name\":\"a\",\"ignore\":true}", rules);
    ASSERT_EQ(rules.Count(), 2);
    EXPECT_EQ(rules.Records()[0].IGNORE, 1);
    EXPECT_EQ(rules.Records()[1].NAME.View(), "*");
    EXPECT_EQ(rules.Records()[1].IGNORE, 0);
    FindRule(rules, "A");
    EXPECT_EQ(rules.BufferRecord().IGNORE, 1);
    FindRule(rules, "other");
    EXPECT_EQ(rules.BufferRecord().NAME.View(), "*");
}

TEST(FieldRulesParsing, BadRulesTextsTraceAndLeaveNoRules) {
    ScopedDebugCapture capture;
    FieldRuleList rules;
    ParseFieldRules("5", rules);
    EXPECT_EQ(rules.Count(), 0);
    ParseFieldRules("[{", rules);
    EXPECT_EQ(rules.Count(), 0);
    const auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[cJSON] [ParseFieldRules] Unable to parse options.");
    EXPECT_EQ(lines[1], "[cJSON] [ParseFieldRules] Syntax error near \"{\" at position 2");
    FindRule(rules, "anything");
    EXPECT_TRUE(rules.BufferRecord().NAME.Empty());
}

TEST(FieldRulesParsing, BadRulesTextLeavesEveryFieldWithTheBlankRule) {
    ScopedDebugCapture capture;
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"inn\":\"77\",\"name\":\"N\"}").get(), ViewOf(person), "[{\"name\":"));
    EXPECT_EQ(person.inn.View(), "77");
    EXPECT_EQ(person.NAME.View(), "N");
    // Read again at the next use, and traced again: only a text read without a fault is kept for later.
    const size_t traced = capture.Lines().size();
    EXPECT_GT(traced, 0u);
    ASSERT_TRUE(JsonToRecord(Json("{\"inn\":\"78\"}").get(), ViewOf(person), "[{\"name\":"));
    EXPECT_EQ(capture.Lines().size(), 2 * traced);
}

TEST(JsonToRecordNames, PrefixedFieldTakesAMemberInAnyCase) {
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"Inn\":\"1234567890\"}").get(), ViewOf(person)));
    EXPECT_EQ(person.inn.View(), "1234567890");
}

TEST(JsonToRecordNames, RecordsCanBePassedWithoutAView) {
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"name\":\"direct\"}").get(), person));
    EXPECT_EQ(person.NAME.View(), "direct");
    RecordView view = ViewOf(person);
    ASSERT_TRUE(JsonToRecord(Json("{\"name\":\"view\"}").get(), view));
    EXPECT_EQ(person.NAME.View(), "view");
    EXPECT_EQ(Show(RecordToJson(person, "{\"name\":\"*\",\"ignore\":1}").get()), "{}");
}

TEST(JsonToRecordNames, ARuleRenamesTheMember) {
    Person person;
    const std::string rules = "{\"name\":\"inn\",\"jsonName\":\"tax_id\"}";
    ASSERT_TRUE(JsonToRecord(Json("{\"tax_id\":\"42\"}").get(), ViewOf(person), rules));
    EXPECT_EQ(person.inn.View(), "42");
    ASSERT_TRUE(JsonToRecord(Json("{\"inn\":\"43\"}").get(), ViewOf(person), rules));
    EXPECT_TRUE(person.inn.Empty());
}

TEST(JsonToRecordNames, ExternalNamesMatchCyrillicMembers) {
    const std::string path = std::string(KVILO_TEST_FIXTURES) + "/answers/version.json";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    VersionAnswer answer;
    ASSERT_TRUE(JsonToRecord(Json(text).get(), ViewOf(answer)));
    EXPECT_EQ(answer.SUGGESTIONS.VERSION.View(), "24.2 (8e1f0c55)");
    EXPECT_EQ(answer.SUGGESTIONS.RESOURCES.D1.View(), "18.02.2024");
    EXPECT_EQ(answer.SUGGESTIONS.RESOURCES.D3.View(), "16.02.2024");
}

TEST(JsonToRecordValues, TypesConvertOnAssignment) {
    Person person;
    person.NAME = "stale";
    ASSERT_TRUE(JsonToRecord(Json("{\"count\":12.9,\"rate\":\"2.5\",\"name\":88,\"born\":true,\"x\":1}").get(),
                             ViewOf(person)));
    EXPECT_EQ(person.COUNT, 12);
    EXPECT_DOUBLE_EQ(person.RATE, 2.5);
    EXPECT_EQ(person.NAME.View(), "88");
    EXPECT_EQ(person.BORN, 1);
    ASSERT_TRUE(JsonToRecord(Json("{\"name\":null,\"count\":false}").get(), ViewOf(person)));
    EXPECT_TRUE(person.NAME.Empty());
    EXPECT_EQ(person.COUNT, 0);
}

TEST(JsonToRecordValues, NonObjectsLeaveTheRecordUntouched) {
    Person person;
    person.NAME = "kept";
    EXPECT_FALSE(JsonToRecord(Json("[1]").get(), ViewOf(person)));
    EXPECT_FALSE(JsonToRecord(nullptr, ViewOf(person)));
    EXPECT_EQ(person.NAME.View(), "kept");
    EXPECT_TRUE(JsonToRecord(Json("{}").get(), ViewOf(person)));
    EXPECT_TRUE(person.NAME.Empty());
}

TEST(JsonToRecordValues, AnArrayWithoutAListRuleAssignsAnEmptyValue) {
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"name\":\"first\",\"name\":[1,2]}").get(), ViewOf(person)));
    EXPECT_TRUE(person.NAME.Empty());
}

TEST(JsonToRecordValues, IgnoredFieldsStayBlank) {
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"inn\":\"1\",\"name\":\"n\"}").get(), ViewOf(person),
                             "[{\"name\":\"inn\",\"ignore\":1},{\"name\":\"name\",\"ignore\":2}]"));
    EXPECT_TRUE(person.inn.Empty());
    EXPECT_EQ(person.NAME.View(), "n");
}

TEST(JsonToRecordValues, PicturesAndBase64) {
    Person person;
    ASSERT_TRUE(JsonToRecord(Json("{\"born\":\"16.08.2002\",\"name\":\"0J/RgNC40LLQtdGC\"}", -1).get(), ViewOf(person),
                             "[{\"name\":\"born\",\"deformat\":\"@d06.\"},{\"name\":\"name\",\"isBase64\":1}]"));
    EXPECT_EQ(person.BORN, kvilo::base::DayNumber(2002, 8, 16));
    EXPECT_EQ(person.NAME.View(), "Привет"); // decoded bytes, here UTF-8
}

TEST(JsonToRecordGroups, ObjectsLoadIntoGroupsAndMembersMayLandInsideGroups) {
    Company company;
    ASSERT_TRUE(JsonToRecord(Json("{\"title\":\"T\",\"management\":{\"name\":\"Boss\",\"post\":\"CEO\"},"
                                  "\"city\":\"Moscow\",\"flag\":1}")
                                 .get(),
                             ViewOf(company)));
    EXPECT_EQ(company.TITLE.View(), "T");
    EXPECT_EQ(company.MANAGEMENT.NAME.View(), "Boss");
    EXPECT_EQ(company.MANAGEMENT.POST.View(), "CEO");
    EXPECT_EQ(company.ADDRESS.CITY.View(), "Moscow"); // a top-level member reaches the group's field
    EXPECT_EQ(company.FLAG, 1);
}

TEST(JsonToRecordGroups, AnObjectDoesNotBlankAPlainFieldOfTheSameName) {
    // "name" here is an object; it must not wipe out management.name loaded just before.
    Company company;
    ASSERT_TRUE(JsonToRecord(
        Json("{\"management\":{\"name\":\"Boss\"},\"name\":{\"full\":\"X\"},\"address\":{\"city\":\"C\"}}").get(),
        ViewOf(company)));
    EXPECT_EQ(company.MANAGEMENT.NAME.View(), "Boss");
    EXPECT_EQ(company.ADDRESS.CITY.View(), "C");
}

TEST(JsonToRecordGroups, AGroupLoadsEvenWhenItsRuleIgnoresIt) {
    Company company;
    ASSERT_TRUE(JsonToRecord(Json("{\"management\":{\"post\":\"P\"}}").get(), ViewOf(company),
                             "{\"name\":\"management\",\"ignore\":1}"));
    EXPECT_EQ(company.MANAGEMENT.POST.View(), "P");
}

TEST(JsonToListLoading, TheSuggestionsRuleAppendsOneRecordPerElement) {
    RecordListOf<Person> people;
    people.BufferRecord().NAME = "earlier";
    people.Add();
    Answer answer;
    answer.SUGGESTIONS = 99;
    const std::string rules = Rules("[{\"name\":\"suggestions\",\"instance\":", people.Handle());
    ASSERT_TRUE(
        JsonToRecord(Json("{\"suggestions\":[{\"inn\":\"1\",\"name\":\"A\"},{\"inn\":\"2\",\"name\":\"B\"}]}").get(),
                     ViewOf(answer), rules));
    ASSERT_EQ(people.Count(), 3);
    EXPECT_EQ(people.Records()[1].inn.View(), "1");
    EXPECT_EQ(people.Records()[2].NAME.View(), "B");
    EXPECT_EQ(answer.SUGGESTIONS, 0u); // the field itself stays cleared
}

TEST(JsonToListLoading, ScalarElementsGoToTheNumberedField) {
    RecordListOf<Person> people;
    people.BufferRecord().COUNT = 77;
    ASSERT_TRUE(JsonToList(Json("[\"a\", 5, true, null, {\"name\":\"obj\"}, [1]]").get(), people, 2));
    ASSERT_EQ(people.Count(), 6);
    EXPECT_EQ(people.Records()[0].NAME.View(), "a");
    EXPECT_EQ(people.Records()[0].COUNT, 0); // nothing carried over from the buffer
    EXPECT_EQ(people.Records()[1].NAME.View(), "5");
    EXPECT_EQ(people.Records()[2].NAME.View(), "1");
    EXPECT_TRUE(people.Records()[3].NAME.Empty());
    EXPECT_EQ(people.Records()[4].NAME.View(), "obj");
    EXPECT_FALSE(JsonToList(Json("{}").get(), people));
    EXPECT_TRUE(JsonToList(Json("[1]").get(), people, 99)); // no such field: nothing appended
    EXPECT_EQ(people.Count(), 6);
}

TEST(JsonToListLoading, AnUnknownInstanceLoadsNothing) {
    Answer answer;
    ASSERT_TRUE(JsonToRecord(Json("{\"suggestions\":[{\"inn\":\"1\"}]}").get(), ViewOf(answer),
                             "[{\"name\":\"suggestions\",\"instance\":123456789}]"));
    EXPECT_EQ(answer.SUGGESTIONS, 0u);
}

namespace {

struct CountingHelper : RuleHelper {
    int found = 0;
    int items = 0;
    int stopAfter = 1000;
    std::string assigned;
    void OnRuleFound(std::string_view, TFieldRule&) override { ++found; }
    Variant TransformValue(std::string_view field, const TFieldRule&, const Variant& value) override {
        return field == "NAME" ? Variant("<" + value.text() + ">") : value;
    }
    void AssignNode(std::string_view field, const TJsonNode& node) override {
        assigned = std::string(field) + "=" + std::string(GetString(&node));
    }
    bool OnItem(int32_t total, int32_t index, const TJsonNode*, FieldRuleList&, uint32_t) override {
        ++items;
        EXPECT_EQ(total, 3);
        return index < stopAfter;
    }
};

} // namespace

TEST(RuleHelpers, TransformAutoAndItemCallbacks) {
    CountingHelper helper;
    Person person;
    const std::string rules =
        Rules("[{\"name\":\"*\",\"ruleHelper\":", helper.Handle(), "},{\"name\":\"inn\",\"auto\":1}]");
    ASSERT_TRUE(JsonToRecord(Json("{\"name\":\"x\",\"inn\":\"7\"}").get(), ViewOf(person), rules));
    EXPECT_EQ(person.NAME.View(), "<x>");
    EXPECT_TRUE(person.inn.Empty());
    EXPECT_EQ(helper.assigned, "inn=7");
    EXPECT_GT(helper.found, 0);

    RecordListOf<Person> people;
    helper.stopAfter = 2;
    ASSERT_TRUE(JsonToList(Json("[{},{},{}]").get(), people, 0, rules));
    EXPECT_EQ(people.Count(), 2);
    EXPECT_EQ(helper.items, 2);
}

TEST(RecordToJsonWriting, FieldsGroupsAndNames) {
    Company company;
    company.TITLE = "T";
    company.MANAGEMENT.NAME = "Boss";
    company.FLAG = 3;
    EXPECT_EQ(Show(RecordToJson(ViewOf(company)).get()),
              "{TITLE:\"T\",MANAGEMENT:{NAME:\"Boss\",POST:\"\"},ADDRESS:{CITY:\"\",NAME:\"\"},FLAG:3,NOTE:\"\"}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(company), "{\"name\":\"*\",\"emptyString\":\"ignore\"}", true).get()),
              "{title:\"T\",management:{name:\"Boss\"},address:{},flag:3}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(company),
                                "[{\"name\":\"*\",\"emptyString\":\"ignore\",\"ignoreEmptyObject\":1},"
                                "{\"name\":\"flag\",\"isBool\":1},{\"name\":\"title\",\"jsonName\":\"caption\"}]",
                                true)
                       .get()),
              "{caption:\"T\",management:{name:\"Boss\"},flag:false}");
}

TEST(RecordToJsonWriting, PrefixesAreDroppedAndExternalNamesUsed) {
    Person person;
    person.inn = "1";
    Resources resources;
    resources.D1 = "01.06.2024";
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), "{\"name\":\"*\",\"ignoreZero\":1}").get()), "{inn:\"1\",NAME:\"\"}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(resources), "{\"name\":\"*\",\"emptyString\":\"null\"}").get()),
              std::string("{") + "ЕГРЮЛ"_ansi + ":\"01.06.2024\"," + "Банки"_ansi + ":null}");
}

TEST(RecordToJsonWriting, BlankTextFollowsEmptyString) {
    Person person;
    person.NAME = "  ";
    // The default ignores every other field; the "name" rule must say "ignore":0 not to inherit that.
    const std::string ignore =
        "[{\"name\":\"*\",\"ignore\":1},{\"name\":\"name\",\"ignore\":0,\"emptyString\":\"ignore\"}]";
    const std::string null =
        "[{\"name\":\"*\",\"ignore\":1},{\"name\":\"name\",\"ignore\":0,\"emptyString\":\"null\"}]";
    const std::string none = "[{\"name\":\"*\",\"ignore\":1},{\"name\":\"name\",\"ignore\":0}]";
    const std::string inherited = "[{\"name\":\"*\",\"ignore\":1},{\"name\":\"name\"}]";
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), inherited).get()), "{}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), ignore).get()), "{}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), null).get()), "{NAME:null}");
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), none).get()), "{NAME:\"\"}");
}

TEST(RecordToJsonWriting, InheritedIgnoreZeroLeavesZeroNumbersOut) {
    Person person;
    person.RATE = 1.5;
    EXPECT_EQ(Show(RecordToJson(ViewOf(person),
                                "[{\"name\":\"*\",\"ignoreZero\":1,\"emptyString\":\"ignore\"},{\"name\":\"count\"}]")
                       .get()),
              "{RATE:1.5}");
}

TEST(RecordToJsonWriting, PicturesRawAndBase64) {
    Person person;
    person.BORN = kvilo::base::DayNumber(2024, 6, 1);
    person.COUNT = 7;
    person.NAME = "{\"a\":1}";
    person.inn = "Hi";
    EXPECT_EQ(Show(RecordToJson(ViewOf(person), "[{\"name\":\"*\",\"ignore\":1},"
                                                "{\"name\":\"born\",\"ignore\":0,\"format\":\"@d06.\"},"
                                                "{\"name\":\"count\",\"ignore\":0,\"formatLeft\":\"@n5\"},"
                                                "{\"name\":\"name\",\"ignore\":0,\"isRaw\":1},"
                                                "{\"name\":\"inn\",\"ignore\":0,\"isBase64\":1}]")
                       .get()),
              "{inn:\"SGk=\",NAME:raw({\"a\":1}),COUNT:\"7\",BORN:\"01.06.2024\"}");
}

TEST(RecordToJsonWriting, FileContentsReplaceTheName) {
    const std::string path = std::string(KVILO_BINARY_DIR) + "/json_mapping_isfile.txt";
    std::ofstream(path, std::ios::binary) << "contents";
    const std::string rules = "{\"name\":\"name\",\"isFile\":1}";
    FileHolder holder;
    holder.NAME = path;
    EXPECT_EQ(Show(RecordToJson(ViewOf(holder), rules).get()), "{NAME:\"contents\"}");
    holder.NAME = path + ".missing";
    EXPECT_EQ(Show(RecordToJson(ViewOf(holder), rules).get()), "{NAME:\"\"}");
    EXPECT_EQ(ReadWholeFile(path), "contents");
    EXPECT_EQ(ReadWholeFile(""), "");
}

TEST(RecordToJsonWriting, ArraysListsAndQueues) {
    RecordListOf<Manager> staff;
    staff.BufferRecord().NAME = "A";
    staff.Add();
    staff.BufferRecord().NAME = "  ";
    staff.Add();
    Tagged tagged;
    tagged.CODE = "c";
    tagged.NUMBERS = {1, 2, 3};
    tagged.WORDS[0] = "w";
    tagged.PEOPLE[1].NAME = "P";
    tagged.QUEUE = staff.Handle();
    const std::string rules =
        "[{\"name\":\"*\",\"emptyString\":\"ignore\",\"ignoreEmptyArray\":1},{\"name\":\"numbers\",\"arraySize\":2},"
        "{\"name\":\"queue_flag\",\"isQueue\":1},{\"name\":\"tail\",\"instance\":" +
        std::to_string(staff.Handle()) + ",\"fieldNumber\":1,\"emptyString\":\"null\"}]";
    EXPECT_EQ(Show(RecordToJson(ViewOf(tagged), rules).get()),
              "{CODE:\"c\",NUMBERS:[1,2],WORDS:[\"w\"],PEOPLE:[{},{NAME:\"P\"}],"
              "QUEUE_FLAG:[{NAME:\"A\"},{}],TAIL:[\"A\"]}");
}

TEST(ListToJsonWriting, RecordsAndScalars) {
    RecordListOf<Person> people;
    people.BufferRecord().NAME = "A";
    people.BufferRecord().COUNT = 1;
    people.Add();
    people.BufferRecord().NAME = "B";
    people.BufferRecord().COUNT = 0;
    people.Add();
    EXPECT_EQ(Show(ListToJson(&people, "{\"name\":\"*\",\"emptyString\":\"ignore\",\"ignoreZero\":1}", true).get()),
              "[{name:\"A\",count:1},{name:\"B\"}]");
    EXPECT_EQ(Show(ListToScalarArray(&people, 3, "{\"name\":\"count\",\"isBool\":1,\"ignoreFalse\":1}").get()),
              "[true]");
    EXPECT_EQ(Show(ListToScalarArray(&people, 2).get()), "[\"A\",\"B\"]");
    EXPECT_EQ(Show(ListToJson(nullptr).get()), "[]");
    RecordListOf<Person> empty;
    EXPECT_EQ(Show(ListToScalarArray(&empty, 2).get()), "[]");
}

TEST(MappingRoundTrip, WrittenRecordsReadBack) {
    Company company;
    company.TITLE = "Альфа"_ansi;
    company.MANAGEMENT.POST = "Директор"_ansi;
    company.ADDRESS.CITY = "Казань"_ansi;
    company.FLAG = -4;
    JsonTree written = RecordToJson(ViewOf(company));
    Company readBack;
    ASSERT_TRUE(JsonToRecord(written.get(), ViewOf(readBack)));
    EXPECT_EQ(readBack.TITLE.View(), company.TITLE.View());
    EXPECT_EQ(readBack.MANAGEMENT.POST.View(), company.MANAGEMENT.POST.View());
    EXPECT_EQ(readBack.ADDRESS.CITY.View(), company.ADDRESS.CITY.View());
    EXPECT_EQ(readBack.FLAG, -4);
}

namespace {

struct Loaded {
    ListHandle SUGGESTIONS = 0;
    FixedText<12> TITLE;
    Company COMPANY;
    FixedText<12> TAIL;
};
KVILO_RECORD(Loaded, SUGGESTIONS, TITLE, COMPANY, TAIL)

// Answers made of the names the records know (in any letter case, some with trailing blanks) and names they
// do not, holding values of every kind, nested.
class AnswerGenerator {
public:
    explicit AnswerGenerator(unsigned seed) : random_(seed) {}

    std::string Object(int depth) {
        std::string out = "{";
        for (int i = 0, count = Pick(7); i < count; ++i) {
            static const char* names[] = {"suggestions", "SUGGESTIONS", "heading", "title",    "company", "management",
                                          "address",     "name",        "NAME ",   "post",     "city",    "flag",
                                          "note",        "inn",         "Inn",     "count",    "rate",    "born",
                                          "tail",        "other",       "данные",  "\\u0069nn"};
            out += std::string(i ? "," : "") + "\"" + names[Pick(std::size(names))] + "\":" + Value(depth + 1);
        }
        return out + "}";
    }

private:
    int Pick(size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }

    std::string Value(int depth) {
        static const char* scalars[] = {
            "\"Ёлка\"", "\"a\\\"b\\u0416\"", "\"bad \xC3 byte\"", "12.50", "-3e2", "true", "false", "null", "\"  x  \"",
            "7"};
        switch (depth > 3 ? 2 : Pick(4)) {
        case 0:
            return Object(depth);
        case 1: {
            std::string out = "[";
            for (int i = 0, count = Pick(5); i < count; ++i)
                out += std::string(i ? "," : "") + (Pick(3) ? Object(depth) : Value(depth + 1));
            return out + "]";
        }
        default:
            return scalars[Pick(std::size(scalars))];
        }
    }

    std::mt19937 random_;
};

// A record's fields as text, to compare two loads.
std::string Dump(RecordView view) {
    std::string out;
    for (int32_t i = 1; view.HasField(i); ++i)
        out += std::string(view.FieldName(i)) + "=" + view.Value(i).text() + ";";
    return out;
}

std::string DumpList(RecordListOf<Person>& list) {
    std::string out;
    for (Person& person : list.Records())
        out += Dump(ViewOf(person)) + "\n";
    return out;
}

} // namespace

TEST(JsonTextToRecordLoading, LoadsWhatTheWholeTreeLoads) {
    CountingHelper helper;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        const std::string text = AnswerGenerator(seed).Object(0);
        RecordListOf<Person> wholeList, filteredList;
        // Every tenth answer goes with a helper, which makes the whole tree necessary.
        const auto rules = [&](uint32_t list) {
            return Rules("[{\"name\":\"suggestions\",\"instance\":", list,
                         "},{\"name\":\"title\",\"jsonName\":\"heading\"") +
                   (seed % 10 == 0 ? Rules(",\"ruleHelper\":", helper.Handle()) : std::string("}]"));
        };
        Loaded whole, filtered;
        TJsonParser parser;
        ASSERT_TRUE(JsonToRecord(Json(text).get(), ViewOf(whole), rules(wholeList.Handle()))) << text;
        ASSERT_TRUE(JsonTextToRecord(parser, text, 0, ViewOf(filtered), rules(filteredList.Handle()))) << text;
        ASSERT_EQ(Dump(ViewOf(filtered)), Dump(ViewOf(whole))) << text;
        ASSERT_EQ(DumpList(filteredList), DumpList(wholeList)) << text;
    }
}

TEST(JsonTextToRecordLoading, KeepsTheFirstElementsAndFailsAsTheParserFails) {
    RecordListOf<Person> people;
    Answer answer;
    TJsonParser parser;
    const std::string rules = Rules("[{\"name\":\"suggestions\",\"instance\":", people.Handle());
    ASSERT_TRUE(JsonTextToRecord(parser, "{\"suggestions\":[{\"inn\":\"1\"},{\"inn\":\"2\"},{\"inn\":\"3\"}]}", 0,
                                 ViewOf(answer), rules, 2));
    ASSERT_EQ(people.Count(), 2);
    EXPECT_EQ(people.Records()[1].inn.View(), "2");

    answer.SUGGESTIONS = 5;
    EXPECT_FALSE(JsonTextToRecord(parser, "{\"suggestions\":[{\"inn\":\"1\"}", 0, ViewOf(answer), rules));
    EXPECT_EQ(parser.PARSEERRORPOS, 27); // the end of the text
    EXPECT_FALSE(JsonTextToRecord(parser, "[1]", 0, ViewOf(answer), rules));
    EXPECT_EQ(parser.PARSEERRORPOS, 0);
    EXPECT_EQ(people.Count(), 2);
    EXPECT_EQ(answer.SUGGESTIONS, 5u); // untouched
}
