// The fake suggestions and version routes: what they accept, what they find, and how they fail.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "party_index.h"
#include "suggest_request.h"
#include "suggest_route.h"
#include "version_route.h"

namespace kvilo::fake {
namespace {

using namespace base::literals;

RouteRequest ProgramRequest(const std::string& body) {
    return {"POST",
            kSuggestPartyPath,
            {{"Content-Type", "application/xml"},
             {"Accept", "application/json"},
             {"Accept-Charset", "utf-8"},
             {"Authorization", std::string("Token ") + kAcceptedToken}},
            body};
}

PartyEntry Entry(const std::string& raw, const std::string& searchText, const std::string& type,
                 const std::string& region) {
    return {raw, searchText, type, region + "00000000000", {}, {}, {}};
}

PartyIndex SmallIndex() {
    PartyIndex index;
    index.Add(Entry("{\"n\":1}", "7701000001 ООО ЗАРЯ Г МОСКВА ИВАНОВ"_ansi, "LEGAL", "77"));
    index.Add(Entry("{\"n\":2}", "1601000002 ИП ЗАРЕЧНЫЙ ИВАН (МАГАЗИН ЗАРЯ) КАЗАНЬ"_ansi, "INDIVIDUAL", "16"));
    index.Add(Entry("{\"n\":3}", "5001000003 АО ЗАРЯ-АГРО ПОДОЛЬСК"_ansi, "LEGAL", "50"));
    index.Add(Entry("{\"n\":4}", "0501000004 ООО КАСПИЙ МАХАЧКАЛА"_ansi, "LEGAL", "05"));
    return index;
}

SuggestRequest Query(const std::string& query) {
    SuggestRequest request;
    request.query = query;
    return request;
}

// --- the XML body ---

TEST(FakeSuggestXml, ReadsTheProgramsBody) {
    SuggestRequest r;
    ASSERT_TRUE(ParseSuggestXml("<req><query>7707083893</query><count>20</count><type>LEGAL</type>"
                                "<locations><kladr_id>77</kladr_id></locations></req>",
                                r));
    EXPECT_EQ(r.query, "7707083893");
    EXPECT_EQ(r.count, 20);
    EXPECT_EQ(r.type, "LEGAL");
    ASSERT_EQ(r.kladrIds.size(), 1u);
    EXPECT_EQ(r.kladrIds[0], "77");
}

TEST(FakeSuggestXml, AnyRootNameAndSeveralLocations) {
    SuggestRequest r;
    ASSERT_TRUE(ParseSuggestXml("<?xml version=\"1.0\"?>\n<root><query>a</query>"
                                "<locations><kladr_id>16</kladr_id></locations>"
                                "<locations><kladr_id>02</kladr_id></locations></root>",
                                r));
    EXPECT_EQ(r.count, kDefaultCount);
    EXPECT_TRUE(r.type.empty());
    EXPECT_EQ(r.kladrIds, (std::vector<std::string>{"16", "02"}));
}

TEST(FakeSuggestXml, ReadsEntitiesAndReferencesAndRefusesWhatIsNotWellFormed) {
    SuggestRequest r;
    ASSERT_TRUE(
        ParseSuggestXml("<req><query>A &amp; B &lt;C&gt; &quot;&apos;&#1040;&#x411;</query><count>5</count></req>", r));
    EXPECT_EQ(r.query, "A & B <C> \"'АБ");
    EXPECT_EQ(r.count, 5);
    for (const char* body : {"<req><query>A & B</query></req>", "<req><query>A <count> B</query></req>",
                             "<req><query>x</query><count>1</query></req>", "<req><query>x</query></req><req/>",
                             "<req><query>&unknown;</query></req>"}) {
        EXPECT_FALSE(ParseSuggestXml(body, r)) << body;
    }
}

TEST(FakeSuggestXml, CountDefaultsAndLimits) {
    SuggestRequest r;
    ASSERT_TRUE(ParseSuggestXml("<req><query>q</query><count>99</count></req>", r));
    EXPECT_EQ(r.count, kMaxCount);
    ASSERT_TRUE(ParseSuggestXml("<req><query>q</query><count>ten</count></req>", r));
    EXPECT_EQ(r.count, kDefaultCount);
    ASSERT_TRUE(ParseSuggestXml("<req><query>q</query><count>-3</count></req>", r));
    EXPECT_EQ(r.count, kDefaultCount);
}

TEST(FakeSuggestXml, RejectsWhatIsNoRequest) {
    SuggestRequest r;
    EXPECT_FALSE(ParseSuggestXml("", r));
    EXPECT_FALSE(ParseSuggestXml("{\"query\":\"x\"}", r));
    EXPECT_FALSE(ParseSuggestXml("<req><count>20</count></req>", r));
    EXPECT_FALSE(ParseSuggestXml("<req><query>x</query>", r));
    EXPECT_FALSE(ParseSuggestXml("<req><query>x</req>", r));
}

// --- matching ---

TEST(FakePartyIndex, EveryWordMustMatchWithoutRegardToCase) {
    PartyIndex index = SmallIndex();
    EXPECT_EQ(index.Find(Query("заря")).size(), 3u);
    auto hits = index.Find(Query("заря москва"));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0]->raw, "{\"n\":1}");
    EXPECT_TRUE(index.Find(Query("заря махачкала")).empty());
}

TEST(FakePartyIndex, MatchesInnPrefixAndManager) {
    PartyIndex index = SmallIndex();
    EXPECT_EQ(index.Find(Query("160100")).size(), 1u);
    EXPECT_EQ(index.Find(Query("иванов")).size(), 1u);
}

TEST(FakePartyIndex, BlankQueryFindsNothing) {
    PartyIndex index = SmallIndex();
    EXPECT_TRUE(index.Find(Query("   ")).empty());
}

TEST(FakePartyIndex, TypeAndRegionFilters) {
    PartyIndex index = SmallIndex();
    SuggestRequest r = Query("заря");
    r.type = "INDIVIDUAL";
    EXPECT_EQ(index.Find(r).size(), 1u);
    r.type = "LEGAL";
    r.kladrIds = {"50"};
    auto hits = index.Find(r);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0]->raw, "{\"n\":3}");
    r.kladrIds = {"7700000000000"};
    EXPECT_EQ(index.Find(r).size(), 1u);
}

TEST(FakePartyIndex, OneDigitRegionIsAKladrPrefix) {
    PartyIndex index = SmallIndex();
    SuggestRequest r = Query("000");
    r.kladrIds = {"5"};
    auto hits = index.Find(r);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0]->raw, "{\"n\":3}"); // region 50, not Dagestan (05)
}

TEST(FakePartyIndex, StopsAtCount) {
    PartyIndex index = SmallIndex();
    SuggestRequest r = Query("0");
    r.count = 2;
    EXPECT_EQ(index.Find(r).size(), 2u);
}

// --- the route ---

TEST(FakeSuggestRoute, AnswersHitsInTheServicesShape) {
    RouteResponse a =
        AnswerSuggest(ProgramRequest("<req><query>заря агро</query><count>20</count></req>"), SmallIndex(), {});
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(a.contentType, "application/json;charset=UTF-8");
    EXPECT_EQ(a.body, "{\"suggestions\":[{\"n\":3}]}");
    a = AnswerSuggest(ProgramRequest("<req><query>нет такого</query></req>"), SmallIndex(), {});
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(a.body, "{\"suggestions\":[]}");
}

TEST(FakeSuggestRoute, ChecksMethodTokenAndMediaTypes) {
    PartyIndex index = SmallIndex();
    RouteRequest r = ProgramRequest("<req><query>q</query></req>");
    r.method = "GET";
    EXPECT_EQ(AnswerSuggest(r, index, {}).status, 405);

    r = ProgramRequest("<req><query>q</query></req>");
    r.headers.pop_back();
    RouteResponse a = AnswerSuggest(r, index, {});
    EXPECT_EQ(a.status, 401);
    EXPECT_EQ(a.body,
              "{\"family\":\"CLIENT_ERROR\",\"reason\":\"Unauthorized\",\"message\":\"HTTP 401 Unauthorized\"}");

    r.headers.emplace_back("Authorization", "Token 0123456789");
    a = AnswerSuggest(r, index, {});
    EXPECT_EQ(a.status, 403);
    EXPECT_NE(a.body.find("disabled for token '0123456789'"), std::string::npos);

    r = ProgramRequest("<req><query>q</query></req>");
    r.headers[0].second = "text/plain";
    a = AnswerSuggest(r, index, {});
    EXPECT_EQ(a.status, 415);
    EXPECT_NE(a.body.find("HTTP 415 Unsupported Media Type"), std::string::npos);

    r = ProgramRequest("<req><query>q</query></req>");
    r.headers[1].second = "text/html";
    EXPECT_EQ(AnswerSuggest(r, index, {}).status, 415);

    r = ProgramRequest("<req><query>q</query></req>");
    r.headers[0].second = "application/xml; charset=utf-8";
    EXPECT_EQ(AnswerSuggest(r, index, {}).status, 200);
}

TEST(FakeSuggestRoute, BadBodyAndTooLongQuery) {
    PartyIndex index = SmallIndex();
    EXPECT_EQ(AnswerSuggest(ProgramRequest("<req>"), index, {}).status, 400);
    std::string longQuery(301, 'a');
    EXPECT_EQ(AnswerSuggest(ProgramRequest("<req><query>" + longQuery + "</query></req>"), index, {}).status, 413);
    EXPECT_EQ(AnswerSuggest(ProgramRequest("<req><query>" + longQuery.substr(1) + "</query></req>"), index, {}).status,
              200);
}

TEST(FakeSuggestRoute, ForcedFaults) {
    PartyIndex index = SmallIndex();
    RouteRequest r = ProgramRequest("<req><query>заря</query></req>");
    SuggestSettings s;
    ASSERT_TRUE(SuggestFaultFromName("403", s.fault));
    RouteResponse a = AnswerSuggest(r, index, s);
    EXPECT_EQ(a.status, 403);
    EXPECT_NE(a.body.find(std::string("token '") + kAcceptedToken + "'"), std::string::npos);

    ASSERT_TRUE(SuggestFaultFromName("429", s.fault));
    a = AnswerSuggest(r, index, s);
    EXPECT_EQ(a.status, 429);
    EXPECT_TRUE(a.body.empty());

    ASSERT_TRUE(SuggestFaultFromName("500", s.fault));
    a = AnswerSuggest(r, index, s);
    EXPECT_EQ(a.status, 500);
    EXPECT_EQ(a.contentType, "text/html");
    EXPECT_NE(a.body.find("<h1>500 Internal Server Error</h1>"), std::string::npos);

    ASSERT_TRUE(SuggestFaultFromName("413", s.fault));
    EXPECT_EQ(AnswerSuggest(r, index, s).status, 413);
    ASSERT_TRUE(SuggestFaultFromName("500json", s.fault));
    EXPECT_NE(AnswerSuggest(r, index, s).body.find("\"family\":\"SERVER_ERROR\""), std::string::npos);

    s.fault = SuggestFault::Canned;
    s.canned = {200, "application/json", "not json"};
    EXPECT_EQ(AnswerSuggest(r, index, s).body, "not json");

    EXPECT_FALSE(SuggestFaultFromName("418", s.fault));
}

TEST(FakeVersionRoute, AnswersTheSampleShapeAndFails) {
    RouteRequest r{"GET", kVersionPath, {}, ""};
    VersionSettings s;
    s.egrulDate = "01.06.2024";
    RouteResponse a = AnswerVersion(r, s);
    EXPECT_EQ(a.status, 200);
    EXPECT_NE(a.body.find("\"resources\":{\"ЕГРЮЛ\":\"01.06.2024\""), std::string::npos);
    EXPECT_NE(a.body.find("\"factor\":{\"version\""), std::string::npos);

    ASSERT_TRUE(VersionFaultFromName("noegrul", s.fault));
    EXPECT_EQ(AnswerVersion(r, s).body.find("ЕГРЮЛ"), std::string::npos);
    ASSERT_TRUE(VersionFaultFromName("500", s.fault));
    EXPECT_EQ(AnswerVersion(r, s).status, 500);
    ASSERT_TRUE(VersionFaultFromName("notjson", s.fault));
    EXPECT_EQ(AnswerVersion(r, s).status, 200);
    EXPECT_FALSE(VersionFaultFromName("x", s.fault));

    r.method = "POST";
    EXPECT_EQ(AnswerVersion(r, {}).status, 405);
}

} // namespace
} // namespace kvilo::fake
