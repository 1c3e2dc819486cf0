// The parser: grammar, positions and excerpts, scalar documents, code pages, \u decoding, limits.
#include "json/json_parser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "base/variant.h"
#include "platform/debug_output.h"
#include "json/code_page_convert.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;
using kvilo::platform::ScopedDebugCapture;

namespace {

struct Outcome {
    JsonTree root;
    int32_t errorPos;
    std::string excerpt;
};

Outcome ParseText(std::string_view text, int32_t codePage = -1) {
    TJsonParser parser;
    JsonTree root = ParseJson(parser, text, codePage);
    return {std::move(root), parser.PARSEERRORPOS, parser.PARSEERRORSTRING};
}

std::string StringOf(std::string_view json, int32_t codePage = -1) {
    Outcome outcome = ParseText(json, codePage);
    EXPECT_TRUE(IsString(outcome.root.get())) << json;
    return std::string(GetString(outcome.root.get()));
}

std::string Nested(int levels) {
    return std::string(levels, '[') + std::string(levels, ']');
}

} // namespace

TEST(JsonParserErrors, BlankTextGivesNothingWithoutError) {
    for (std::string_view text : {"", "    "}) {
        Outcome outcome = ParseText(text);
        EXPECT_EQ(outcome.root, nullptr);
        EXPECT_EQ(outcome.errorPos, 0);
        EXPECT_EQ(outcome.excerpt, std::string(20, ' '));
    }
}

TEST(JsonParserErrors, PositionAndExcerptOfASyntaxError) {
    Outcome outcome = ParseText("{\"a\":1,\"b\":x,\"c\":3,\"d\":4444444}");
    EXPECT_EQ(outcome.root, nullptr);
    EXPECT_EQ(outcome.errorPos, 12);
    EXPECT_EQ(outcome.excerpt, "x,\"c\":3,\"d\":4444444}");
}

TEST(JsonParserErrors, ExcerptIsBlankPaddedNearTheEnd) {
    Outcome outcome = ParseText("[1,2,");
    EXPECT_EQ(outcome.errorPos, 5);
    EXPECT_EQ(outcome.excerpt, "," + std::string(19, ' '));
}

TEST(JsonParserErrors, UnterminatedStringFailsAtItsOpeningQuote) {
    Outcome outcome = ParseText("[1, \"abc");
    EXPECT_EQ(outcome.root, nullptr);
    EXPECT_EQ(outcome.errorPos, 5);
    Outcome escaped = ParseText("[\"ab\\\"]");
    EXPECT_EQ(escaped.errorPos, 2);
}

TEST(JsonParserErrors, UnfinishedContainerReportsItsLastCharacter) {
    EXPECT_EQ(ParseText("[{").errorPos, 2);
    EXPECT_EQ(ParseText("[{").excerpt, "{" + std::string(19, ' '));
    EXPECT_EQ(ParseText("{\"a\" 1}").errorPos, 6);
    EXPECT_EQ(ParseText("[1 2]").errorPos, 4);
}

TEST(JsonParserErrors, UnknownEscapeAndBadLiteralsFail) {
    EXPECT_EQ(ParseText("\"a\\qb\"").root, nullptr);
    EXPECT_EQ(ParseText("nul").root, nullptr);
    EXPECT_EQ(ParseText("[tru]").root, nullptr);
    EXPECT_EQ(ParseText("[+1]").root, nullptr);
    EXPECT_EQ(ParseText("[-]").root, nullptr);
    EXPECT_EQ(ParseText("[1.2.3]").root, nullptr);
}

TEST(JsonParserWholeText, ScalarDocumentsMustBeTheWholeText) {
    Outcome junk = ParseText("1 x");
    EXPECT_EQ(junk.root, nullptr);
    EXPECT_EQ(junk.errorPos, 1);
    EXPECT_EQ(junk.excerpt, "1 x" + std::string(17, ' '));
    EXPECT_EQ(ParseText("true false").root, nullptr);
    EXPECT_EQ(ParseText("null,").root, nullptr);
    EXPECT_TRUE(IsTrue(ParseText(" true ").root.get()));
    EXPECT_TRUE(IsNull(ParseText("\r\n null // comment").root.get()));
    EXPECT_TRUE(IsNumber(ParseText("  -12.5e1  /* note */").root.get()));
}

TEST(JsonParserWholeText, DigitsAfterABlankAreNotPartOfTheNumber) {
    // "1 2" minifies to "12", which is numeric, but the document holds two values.
    Outcome outcome = ParseText("1 2");
    EXPECT_EQ(outcome.root, nullptr);
    EXPECT_EQ(outcome.errorPos, 1);
}

TEST(JsonParserWholeText, ContainersIgnoreWhatFollows) {
    Outcome outcome = ParseText("{\"a\":1} trailing");
    ASSERT_TRUE(IsObject(outcome.root.get()));
    EXPECT_EQ(outcome.errorPos, 0);
    EXPECT_TRUE(IsString(ParseText("\"s\" and more").root.get()));
    EXPECT_TRUE(IsArray(ParseText("[]]").root.get()));
}

TEST(JsonParserByteOrderMark, SkippedOnlyAtTheStart) {
    EXPECT_TRUE(IsObject(ParseText("\xEF\xBB\xBF{}").root.get()));
    EXPECT_TRUE(IsTrue(ParseText("\xEF\xBB\xBFtrue").root.get()));
    Outcome inside = ParseText("[\xEF\xBB\xBF]");
    EXPECT_EQ(inside.root, nullptr);
    EXPECT_EQ(inside.errorPos, 2);
}

TEST(JsonParserNumbers, TextIsKeptAsWritten) {
    Outcome outcome = ParseText("[12.50, 1e3, -0, 3000000000, -2.9]");
    ASSERT_TRUE(IsArray(outcome.root.get()));
    const TJsonNode* first = GetArrayItem(outcome.root.get(), 1);
    EXPECT_EQ(first->VALUESTRING.View(), "12.50");
    EXPECT_DOUBLE_EQ(first->VALUEDOUBLE, 12.5);
    EXPECT_EQ(first->VALUEINT, 12);
    EXPECT_DOUBLE_EQ(GetArrayItem(outcome.root.get(), 2)->VALUEDOUBLE, 1000);
    EXPECT_EQ(GetArrayItem(outcome.root.get(), 4)->VALUEINT, 2147483647);
    EXPECT_EQ(GetArrayItem(outcome.root.get(), 5)->VALUEINT, -2);
}

TEST(JsonParserNumbers, AtMostSixtyFourCharactersAreTaken) {
    const std::string digits64(64, '1');
    Outcome longest = ParseText("[" + digits64 + "]");
    EXPECT_EQ(GetArrayItem(longest.root.get(), 1)->VALUESTRING.View(), digits64);
    EXPECT_EQ(ParseText("[" + digits64 + "1]").root, nullptr);
}

TEST(JsonParserNumbers, ValuesEqualThePlatformsNumericService) {
    // Short numbers are converted without the service; their values must be the very same doubles.
    std::mt19937 random(7);
    const auto digits = [&](int most) {
        std::string out;
        const int count = 1 + static_cast<int>(random() % static_cast<unsigned>(most));
        for (int i = 0; i < count; ++i)
            out += static_cast<char>('0' + random() % 10);
        return out;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string number = (random() % 2 ? "-" : "") + digits(18);
        if (random() % 2) number += "." + digits(18);
        if (random() % 3 == 0) number += std::string(random() % 2 ? "e" : "E") + (random() % 2 ? "-" : "+") + digits(3);
        Outcome outcome = ParseText("[" + number + "]");
        const TJsonNode* item = GetArrayItem(outcome.root.get(), 1);
        ASSERT_NE(item, nullptr) << number;
        const double expected = kvilo::base::NumericValue(number);
        EXPECT_EQ(std::memcmp(&item->VALUEDOUBLE, &expected, sizeof expected), 0) << number;
    }
}

TEST(JsonParserStrings, EscapesDecode) {
    EXPECT_EQ(StringOf("\"a\\b\\f\\n\\r\\t\\\"\\\\\\/z\""), "a\b\f\n\r\t\"\\/z");
    EXPECT_EQ(StringOf("\"\\u0020\""), " ");
    EXPECT_EQ(StringOf("\"raw\x01\x7F\xFF bytes\""), "raw\x01\x7F\xFF bytes");
}

TEST(JsonParserStrings, UnicodeEscapesAndSurrogates) {
    EXPECT_EQ(StringOf("\"\\u00e9\""), "\xC3\xA9");
    EXPECT_EQ(StringOf("\"\\ud83d\\ude00\""), "\xF0\x9F\x98\x80");
    EXPECT_EQ(StringOf("\"\\udbff\\udfff\""), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(StringOf("\"\\u0416\"", 1251), "\xC6");
    EXPECT_EQ(StringOf("\"\\u0416\"", 0), "\xC6");
    EXPECT_EQ(StringOf("\"\\u00e9\"", 1251), "?");
    // A non-hex digit makes the whole value 0: a zero byte in the text.
    EXPECT_EQ(StringOf("\"a\\u12G4b\""), std::string("a\0b", 3));
}

TEST(JsonParserStrings, SurrogateFaultsFailWithTheirTraceLines) {
    struct Case {
        const char* json;
        const char* line;
    } cases[] = {
        {"\"\\u12\"", "[cJSON] input ends unexpectedly"},
        {"\"\\udc00\"", "[cJSON] the code is invalid"},
        {"\"\\ud83d\\u12\"", "[cJSON] input ends unexpectedly #2"},
        {"\"\\ud83dxxxxxxx\"", "[cJSON] missing second half of the surrogate pair"},
        {"\"\\ud83d\\u0041\"", "[cJSON] invalid second half of the surrogate pair"},
    };
    for (const Case& c : cases) {
        ScopedDebugCapture capture;
        Outcome outcome = ParseText(c.json);
        EXPECT_EQ(outcome.root, nullptr) << c.json;
        EXPECT_EQ(outcome.errorPos, 1) << c.json;
        ASSERT_EQ(capture.Lines().size(), 1u) << c.json;
        EXPECT_EQ(capture.Lines()[0], c.line);
    }
}

TEST(JsonParserCodePages, NamesAndValuesAreConverted) {
    const std::string json = "{\"Имя\":\"Ёлка\"}";
    Outcome ansi = ParseText(json, 0);
    ASSERT_TRUE(IsObject(ansi.root.get()));
    EXPECT_EQ(ansi.root->CHILD->NAME.View(), std::string_view("Имя"_ansi));
    EXPECT_EQ(GetString(ansi.root->CHILD), std::string_view("Ёлка"_ansi));
    Outcome utf8 = ParseText(json, -1);
    EXPECT_EQ(GetString(utf8.root->CHILD), "Ёлка");
    Outcome same = ParseText(json, 65001);
    EXPECT_EQ(GetString(same.root->CHILD), "Ёлка");
}

TEST(JsonParserCodePages, EachInvalidUtf8SequenceBecomesOneQuestionMark) {
    ScopedDebugCapture capture;
    const std::string json = "[\"ok\", \"bad \xC3 and \xD0\xB6\xE2\x82!\"]";
    Outcome ansi = ParseText(json, 1251);
    ASSERT_TRUE(IsArray(ansi.root.get()));
    EXPECT_EQ(GetString(GetArrayItem(ansi.root.get(), 1)), "ok");
    EXPECT_EQ(GetString(GetArrayItem(ansi.root.get(), 2)), "bad ? and ж?!"_ansi);
    Outcome utf8 = ParseText(json, 65001);
    EXPECT_EQ(GetString(GetArrayItem(utf8.root.get(), 2)), "bad \uFFFD and ж\uFFFD!");
    Outcome raw = ParseText(json, -1);
    EXPECT_EQ(GetString(GetArrayItem(raw.root.get(), 2)), "bad \xC3 and \xD0\xB6\xE2\x82!");
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(JsonParserLimits, ThousandLevelsParseAndOneMoreFails) {
    EXPECT_TRUE(IsArray(ParseText(Nested(1000)).root.get()));
    Outcome tooDeep = ParseText(Nested(1001));
    EXPECT_EQ(tooDeep.root, nullptr);
    EXPECT_EQ(tooDeep.errorPos, 1001);
}

TEST(JsonParserLimits, DepthLimitEmptiesDeeperContainers) {
    TJsonParser parser;
    parser.DEPTHLIMIT = 1;
    JsonTree root = Parse(parser, "{\"a\":{\"b\":1},\"c\":[1,2]}");
    ASSERT_TRUE(IsObject(root.get()));
    const TJsonNode* a = GetObjectItem(root.get(), "a");
    ASSERT_TRUE(IsObject(a));
    EXPECT_EQ(a->CHILD, nullptr);
    EXPECT_EQ(GetSize(GetObjectItem(root.get(), "c")), 0);

    parser.DEPTHLIMIT = -5; // negative: no limit
    root = Parse(parser, "{\"a\":{\"b\":1}}");
    EXPECT_EQ(GetSize(root.get(), true), 2);
}

namespace {

struct ProgressRecorder : TJsonParser {
    std::vector<std::array<int32_t, 3>> calls;
    void OnParseProgress(int32_t total, int32_t position, int32_t depth) override {
        calls.push_back({total, position, depth});
    }
};

} // namespace

TEST(JsonParserProgress, ContainersAndLongStringsReport) {
    ProgressRecorder parser;
    parser.NOTIFYSTRINGSIZE = 4;
    JsonTree root = Parse(parser, "[[], \"abcd\", \"abc\"]  ");
    ASSERT_TRUE(root);
    ASSERT_EQ(parser.calls.size(), 3u);
    EXPECT_EQ(parser.calls[0], (std::array<int32_t, 3>{19, 3, 2}));  // inner array closes
    EXPECT_EQ(parser.calls[1], (std::array<int32_t, 3>{19, 12, 1})); // "abcd" ends
    EXPECT_EQ(parser.calls[2], (std::array<int32_t, 3>{19, 19, 1})); // outer array closes
}

TEST(JsonParserTree, SiblingsAreLinkedBothWays) {
    Outcome outcome = ParseText("{\"a\":1,\"b\":[true,false,null],\"c\":\"x\"}");
    const TJsonNode* root = outcome.root.get();
    ASSERT_EQ(GetSize(root), 3);
    const TJsonNode* b = GetObjectItem(root, "b");
    EXPECT_EQ(b->PREV, GetObjectItem(root, "a"));
    EXPECT_EQ(b->NEXT, GetObjectItem(root, "c"));
    EXPECT_EQ(root->CHILD->PREV, nullptr);
    EXPECT_TRUE(IsTrue(GetArrayItem(b, 1)));
    EXPECT_EQ(GetArrayItem(b, 1)->VALUEINT, 1);
    EXPECT_TRUE(IsFalse(GetArrayItem(b, 2)));
    EXPECT_TRUE(IsNull(GetArrayItem(b, 3)));
}

TEST(JsonParserFilter, KeepsTheNamedMembersAndTheFirstElementsOnly) {
    ParseFilter filter;
    filter.KeepMember("Inn");
    filter.KeepMember("ДАННЫЕ "_ansi);
    filter.KeepElements(2);
    TJsonParser parser;
    JsonTree root = ParseJson(parser,
                              "{\"inn\":\"1\",\"INN \":2,\"name\":\"x\",\"данные\":{\"inn\":[7,8,9],\"kpp\":4},"
                              "\"list\":[1,2,3],\"\\u0434\u0430\u043d\u043d\u044b\u0435\":[[5],{\"inn\":6},null]}",
                              0, filter);
    ASSERT_TRUE(IsObject(root.get()));
    ASSERT_EQ(GetSize(root.get()), 4);
    EXPECT_EQ(GetString(GetArrayItem(root.get(), 1)), "1");
    EXPECT_EQ(GetArrayItem(root.get(), 2)->NAME.View(), "INN ");
    const TJsonNode* data = GetArrayItem(root.get(), 3);
    ASSERT_EQ(GetSize(data), 1);
    EXPECT_EQ(GetSize(GetObjectItem(data, "inn")), 2);
    const TJsonNode* escaped = GetArrayItem(root.get(), 4);
    EXPECT_EQ(escaped->NAME.View(), std::string_view("данные"_ansi));
    ASSERT_EQ(GetSize(escaped), 2);
    EXPECT_EQ(GetSize(GetArrayItem(escaped, 1)), 1);
    EXPECT_EQ(GetSize(GetArrayItem(escaped, 2)), 1);
}

TEST(JsonParserFilter, WhatIsLeftOutIsCheckedAllTheSame) {
    ParseFilter keepsNothing;
    keepsNothing.KeepMember("none");
    keepsNothing.KeepElements(0);
    for (std::string_view text : {"{\"a\":\"\\q\"}", "{\"a\":1.2.3}", "{\"a\":[1,]}", "{\"a\":\"\\ud800x\"}",
                                  "{\"a\":[[]}", "{\"a\":{\"b\" 1}}", "[1,[2,[3,tru]]]", "{\"a\":\"open}"}) {
        TJsonParser whole, filtered;
        EXPECT_FALSE(ParseJson(whole, text, 0)) << text;
        EXPECT_FALSE(ParseJson(filtered, text, 0, keepsNothing)) << text;
        EXPECT_EQ(filtered.PARSEERRORPOS, whole.PARSEERRORPOS) << text;
        EXPECT_EQ(filtered.PARSEERRORSTRING, whole.PARSEERRORSTRING) << text;
    }
    TJsonParser parser;
    JsonTree root = ParseJson(parser, "{\"a\":[1,{\"b\":\"\xD0\"}],\"c\":null}", 0, keepsNothing);
    ASSERT_TRUE(IsObject(root.get()));
    EXPECT_EQ(root->CHILD, nullptr);
}

TEST(JsonMinify, RemovesBlanksAndCommentsOutsideStrings) {
    const std::string text = "{ \"a b\" : 1, // line\n /* block */ \"c\\\" d\": \"/* kept */\" }";
    const std::string minified = MinifyJson(text);
    EXPECT_EQ(minified.size(), text.size());
    EXPECT_EQ(std::string(kvilo::base::RightTrim(minified)), "{\"a b\":1,\"c\\\" d\":\"/* kept */\"}");
    EXPECT_EQ(std::string(kvilo::base::RightTrim(MinifyJson("1 /* open"))), "1");
}

TEST(JsonConvertCodePage, BetweenTheProgramsCodePages) {
    EXPECT_EQ(ConvertCodePage("Ж", 65001, 1251), "\xC6");
    EXPECT_EQ(ToUtf8("\xC6", 1251), "Ж");
    EXPECT_EQ(FromUtf8("Ж", 0), "\xC6");
    EXPECT_EQ(ConvertCodePage("   ", 65001, 1251), "");
    EXPECT_EQ(ConvertCodePage("Ab", 65001, -1), std::string("A\0b\0\0\0", 6));
    EXPECT_EQ(ConvertCodePage(std::string("A\0\x16\x04", 4), -1, 65001), "AЖ");
    EXPECT_EQ(ConvertCodePage(std::string("a\0b", 3), 65001, 1251), "a");
}

TEST(JsonConvertCodePage, UnknownCodePageTraces) {
    ScopedDebugCapture capture;
    EXPECT_EQ(ConvertCodePage("abc", 866, 1251), "");
    EXPECT_EQ(ConvertCodePage("abc", 1251, 866), "");
    const auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[cJSON] MultiByteToWideChar failed, error 87");
    EXPECT_EQ(lines[1], "[cJSON] WideCharToMultiByte failed, error 87");
}
