// RunLookup and QueryActuality over verified HTTPS with the real libcurl against the fake services: what
// goes over the wire, what the window shows, and every way the services and the connection fail.
#include <gtest/gtest.h>

#include <string>

#include "base/code_page.h"
#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/lookup/access_token.h"
#include "core/lookup/lookup_request.h"
#include "core/lookup/party_lookup.h"
#include "core/lookup/russian_collation.h"
#include "lookup_services_test.h"
#include "platform/debug_output.h"
#include "suggest_request.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;
using testing::LookupControl;
using testing::RecordingView;

class LookupServiceTest : public testing::LookupServicesTest {
protected:
    void SetUp() override {
        LookupServicesTest::SetUp();
        if (HasFatalFailure()) return;
        services_ = testing::FakeLookupServices(*server_);
    }

    // One lookup as the window runs it.
    void Lookup(const std::string& utf8Query, uint8_t legalForm = kAllForms, uint8_t region = 0) {
        data_.query = base::Utf8ToAnsi(utf8Query);
        data_.legalForm = legalForm;
        data_.region = region;
        EXPECT_FALSE(RunLookup(data_, view_, services_));
    }

    std::vector<testsupport::RecordedRequest> SuggestRequests() const { return server_->Requests(kSuggestPartyPath); }

    LookupServices services_;
    LookupData data_;
    RecordingView view_;
    framework::RecordingMessagePresenter messages_;
};

// --- the request ---

TEST_F(LookupServiceTest, BodyHeadersAndAgentForAnInnInOneRegion) {
    Lookup("7707083893", kLegalOnly, 77);
    auto requests = SuggestRequests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& r = requests[0];
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.body, "<req><query>7707083893</query><count>20</count><type>LEGAL</type>"
                      "<locations><kladr_id>77</kladr_id></locations></req>");
    EXPECT_EQ(r.Header("Content-Type"), "application/xml");
    EXPECT_EQ(r.Header("Accept"), "application/json");
    EXPECT_EQ(r.Header("Accept-Charset"), "utf-8");
    EXPECT_EQ(r.Header("Authorization"), std::string("Token ") + kAccessToken);
    EXPECT_EQ(r.Header("User-Agent"), "Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)");
}

TEST_F(LookupServiceTest, TheFourHeadersGoInTheirOrderAndTheTraceNeverShowsTheToken) {
    platform::ScopedDebugCapture capture;
    ASSERT_TRUE(LookupControl(*server_, "suggest=403")); // the answer repeats the token
    Lookup("заря");
    std::string sent;
    for (const std::string& line : capture.Lines()) {
        EXPECT_EQ(line.find(kAccessToken), std::string::npos) << line;
        if (line.find("HEADER_OUT") != std::string::npos && line.find(kSuggestPartyPath) != std::string::npos)
            sent = line;
    }
    ASSERT_FALSE(sent.empty());
    size_t type = sent.find("Content-Type: application/xml");
    size_t accept = sent.find("Accept: application/json");
    size_t charset = sent.find("Accept-Charset: utf-8");
    size_t token = sent.find("Authorization: Token ****");
    ASSERT_NE(token, std::string::npos) << sent;
    EXPECT_LT(type, accept);
    EXPECT_LT(accept, charset);
    EXPECT_LT(charset, token);
}

TEST_F(LookupServiceTest, OneDigitRegionAndCyrillicArriveAsTyped) {
    Lookup("ЗАРЯ", kIndividualOnly, 5);
    auto requests = SuggestRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body, "<req><query>ЗАРЯ</query><count>20</count><type>INDIVIDUAL</type>"
                                "<locations><kladr_id>5</kladr_id></locations></req>");
    EXPECT_NE(requests[0].body.find("\xD0\x97\xD0\x90\xD0\xA0\xD0\xAF"), std::string::npos); // UTF-8 ЗАРЯ
}

// The fake reads the body with a real XML parser, as the service does, and refuses what is not XML.
TEST_F(LookupServiceTest, MarkupInTheQueryArrivesAsOneQueryElementWithItsTextIntact) {
    for (const std::string query : {"А&Б <ТЕСТ>", "</query><count>100</count>", "Procter & Gamble", "'\"'"}) {
        ASSERT_TRUE(server_->Reset());
        Lookup(query, kLegalOnly);
        EXPECT_EQ(data_.end, LookupEnd::NoRows) << query;
        auto requests = SuggestRequests();
        ASSERT_EQ(requests.size(), 1u);
        fake::SuggestRequest parsed;
        ASSERT_TRUE(fake::ParseSuggestXml(requests[0].body, parsed)) << requests[0].body;
        EXPECT_EQ(parsed.query, query);
        EXPECT_EQ(parsed.count, 20);
        EXPECT_EQ(parsed.type, "LEGAL");
    }
}

TEST_F(LookupServiceTest, ABlankQuerySendsNothingAndOnlyFocusesTheQuery) {
    data_.statusLine = "before";
    Lookup("    ");
    EXPECT_TRUE(server_->Requests().empty());
    EXPECT_EQ(view_.events, (std::vector<std::string>{"focus query"}));
    EXPECT_EQ(data_.statusLine, "before");
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_EQ(data_.end, LookupEnd::NotSent);
}

// --- counts and the status line ---

TEST_F(LookupServiceTest, TwentyHitsAskToNarrowTheQuery) {
    Lookup("заря");
    EXPECT_EQ(data_.rows.size(), 20u);
    EXPECT_EQ(data_.statusLine, "Актуальность: 01.06.2024 г., Показано: 20 (Уточните запрос !)"_ansi);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(LookupServiceTest, NineteenHitsAreCounted) {
    Lookup("ладога");
    EXPECT_EQ(data_.rowCount, 19);
    EXPECT_EQ(data_.statusLine, "Актуальность: 01.06.2024 г., Найдено: 19"_ansi);
}

TEST_F(LookupServiceTest, NoHitsShowMessageTwoAndNoData) {
    Lookup("  несуществующее  ");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(messages_.messages[0].text,
              " По запросу:   несуществующее в справочнике ЕГРЮЛ / ЕГРИП нет информации !"_ansi);
    EXPECT_EQ(data_.statusLine, "Нет данных по запросу"_ansi);
    EXPECT_EQ(data_.end, LookupEnd::NoRows);
    EXPECT_EQ(view_.events, (std::vector<std::string>{"transfer", "refresh", "disable buttons", "focus list", "address",
                                                      "transfer"}));
    EXPECT_TRUE(view_.addressLine.empty());
}

// The rows come out before the actuality query, which only completes the status line.
TEST_F(LookupServiceTest, StatusLineWhileTheTransferRunsThenTheRowsThenTheActuality) {
    Lookup("ладога", kAllForms, 47);
    EXPECT_EQ(view_.statusLines,
              (std::vector<std::string>{"Запрос информации ..."_ansi, "Актуальность: 01.06.2024 г., Найдено: 7"_ansi}));
    EXPECT_EQ(view_.events, (std::vector<std::string>{"transfer", "refresh", "select 0", "enable buttons", "focus list",
                                                      "address", "transfer"}));
    EXPECT_EQ(data_.end, LookupEnd::Rows);
    EXPECT_EQ(view_.addressLine, data_.rows[0].QFAddress.Str());
    EXPECT_EQ(data_.currentRow.QFName.View(), data_.rows[0].QFName.View());
    EXPECT_EQ(data_.lastRegion, 47);
}

TEST_F(LookupServiceTest, TheActualityDateIsAskedForOnceAndKept) {
    Lookup("заря");
    Lookup("ладога");
    Lookup("несуществующее");
    EXPECT_EQ(server_->Requests("/api/v2/version").size(), 1u);
    EXPECT_EQ(data_.actualityDate, base::DayNumber(2024, 6, 1));
    EXPECT_TRUE(data_.statusLine.starts_with("Нет данных"_ansi));
    Lookup("ладога");
    EXPECT_TRUE(data_.statusLine.starts_with("Актуальность: 01.06.2024 г., "_ansi));
}

// --- the rows ---

TEST_F(LookupServiceTest, RowsAreSortedWithTheRussianCollation) {
    Lookup("ООО", kLegalOnly, 78);
    ASSERT_GE(data_.rows.size(), 4u);
    for (size_t i = 1; i < data_.rows.size(); ++i)
        EXPECT_LE(CompareRussian(data_.rows[i - 1].QFName.View(), data_.rows[i].QFName.View()), 0) << i;
    // Byte order would put the Latin name first and ЁЛКА before every other Cyrillic name.
    EXPECT_EQ(data_.rows.back().QFName.View(), "ООО \"LOTOS TRADE\""_ansi);
    size_t yelan = 0, yolka = 0;
    for (size_t i = 0; i < data_.rows.size(); ++i) {
        if (data_.rows[i].QFName.View() == "ООО \"ЕЛАНЬ\""_ansi) yelan = i;
        if (data_.rows[i].QFName.View() == "ООО \"ЁЛКА-ТОРГ\""_ansi) yolka = i;
    }
    EXPECT_EQ(yolka, yelan + 1);
}

TEST_F(LookupServiceTest, HeadOfficeAndBranchesWithTheirDates) {
    Lookup("СЕВЕРНАЯ ПРИСТАНЬ");
    ASSERT_EQ(data_.rows.size(), 4u);
    const PartyRow& head = data_.rows[0];
    EXPECT_EQ(head.QFName.View(), "АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\""_ansi);
    EXPECT_EQ(head.QFBType.View(), "головной"_ansi);
    EXPECT_EQ(head.QFBCount, 3);
    EXPECT_EQ(head.QFRegDate, base::DayNumber(2002, 8, 16));
    EXPECT_EQ(head.QFLiqDate, 0);
    EXPECT_FALSE(head.QFDir.Empty());
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(data_.rows[i].QFBType.View(), "филиал"_ansi);
        EXPECT_EQ(data_.rows[i].QFInn.View(), head.QFInn.View());
        EXPECT_NE(data_.rows[i].QFKpp.View(), head.QFKpp.View());
    }
}

TEST_F(LookupServiceTest, StatusWordsOfEntitiesInEveryState) {
    Lookup("ТЕПЛОСЕТЬ-ИНВЕСТ");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFStatus.View(), "???"); // REORGANIZING
    Lookup("СУДОРЕМОНТНЫЙ ЗАВОД ПОМОРЬЕ");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFStatus.View(), "???"); // BANKRUPT
    Lookup("ВОЛХОВСКИЙ ЛЕС");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFStatus.View(), "ликвидируется"_ansi);
    Lookup("УРАЛМЕТКОНСТРУКЦИЯ");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFStatus.View(), "ликвидирована"_ansi);
    EXPECT_NE(data_.rows[0].QFLiqDate, 0);
}

TEST_F(LookupServiceTest, SoleTradersWithAndWithoutTheAbsentMembers) {
    Lookup("ИП", kIndividualOnly);
    ASSERT_EQ(data_.rows.size(), 16u);
    for (const PartyRow& row : data_.rows) {
        EXPECT_EQ(row.QFLiZo.View(), "Ф"_ansi);
        EXPECT_TRUE(row.QFBType.Empty());
        EXPECT_TRUE(row.QFKpp.Empty());
        EXPECT_TRUE(row.QFDir.Empty());
        EXPECT_EQ(row.QFBCount, 0);
        EXPECT_NE(row.QFRegDate, 0);
    }
}

TEST_F(LookupServiceTest, LongNamesLongOkvedsAndMissingCoordinates) {
    Lookup("МАКАРОВА");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFName.View().size(), 255u);
    Lookup("ЦИФРОВЫЕ РЕШЕНИЯ");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_EQ(data_.rows[0].QFOkved.View(), "62.01 Разработка ком"_ansi);
    Lookup("ДАЛЬНИЙ РЕЙС");
    ASSERT_EQ(data_.rows.size(), 1u);
    EXPECT_TRUE(data_.rows[0].QFLat.Empty());
    EXPECT_TRUE(data_.rows[0].QFLon.Empty());
}

// --- failures ---

const std::string kUnreadable = "Ответ сервиса не удалось прочитать (HTTP "_ansi;

TEST_F(LookupServiceTest, AServiceErrorNamingTheTokenShowsThePlaceholder) {
    ASSERT_TRUE(LookupControl(*server_, "suggest=403"));
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    const auto& m = messages_.messages[0];
    EXPECT_EQ(m.caption, "У нас проблема ..."_ansi);
    EXPECT_EQ(m.text, " В ответ на Ваш запрос в справочник ЕГРЮЛ / ЕГРИП получена ошибка.|| Группа : CLIENT_ERROR|"
                      " Причина : Forbidden| Текст : Feature 'SUGGESTIONS' disabled for token "
                      "'*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***'|"_ansi);
    EXPECT_EQ(data_.statusLine, "Нет данных по запросу"_ansi);
    EXPECT_EQ(data_.end, LookupEnd::Failed);
}

// The message field keeps 250 characters: a token starting at character 221 of a 260-character message
// must not leave its first 30 characters behind.
TEST_F(LookupServiceTest, TheTokenIsMaskedInFamilyReasonAndAcrossTheMessagesCut) {
    std::string upper(kAccessToken);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string body = "{\"family\":\"F " + upper + "\",\"reason\":\"" + kAccessToken + kAccessToken +
                             "\",\"message\":\"" + std::string(220, 'm') + kAccessToken + "\"}";
    ASSERT_TRUE(LookupControl(*server_, "suggest=canned&status=403&type=application/json", body));
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    std::string text = messages_.messages[0].text;
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at = 0; at + 8 <= kAccessTokenLength; ++at)
        EXPECT_EQ(text.find(std::string(kAccessToken).substr(at, 8)), std::string::npos) << at;
    EXPECT_NE(messages_.messages[0].text.find(" Группа : F *** ВАШ КЛЮЧ ДОСТУПА"_ansi), std::string::npos);
    EXPECT_NE(messages_.messages[0].text.find(" Причина : *** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ****** ВАШ"_ansi),
              std::string::npos);
}

TEST_F(LookupServiceTest, ErrorAnswersWithAFamilyAreShownOthersCannotBeRead) {
    ASSERT_TRUE(LookupControl(*server_, "suggest=401"));
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_NE(messages_.messages[0].text.find(" Причина : Unauthorized| Текст : HTTP 401 Unauthorized|"_ansi),
              std::string::npos);
    for (const std::string status : {"429", "500", "502"}) {
        messages_.messages.clear();
        ASSERT_TRUE(LookupControl(*server_, "suggest=" + status));
        Lookup("заря");
        ASSERT_EQ(messages_.messages.size(), 1u) << status;
        EXPECT_EQ(messages_.messages[0].caption, "У нас проблема ..."_ansi);
        EXPECT_EQ(messages_.messages[0].text, kUnreadable + status + ").");
        EXPECT_EQ(data_.statusLine, "Ответ сервиса не прочитан (HTTP "_ansi + status + ")");
        EXPECT_EQ(data_.end, LookupEnd::Unreadable);
    }
}

TEST_F(LookupServiceTest, Status200AnswersThatCannotBeReadAreNotNothingFound) {
    for (const char* body : {"not json at all", "{\"suggestions\":{\"value\":\"x\"}}", "{\"suggestions\":[]",
                             "{\"suggestions\":17}", "{}", "[]"}) {
        messages_.messages.clear();
        ASSERT_TRUE(LookupControl(*server_, "suggest=canned&status=200&type=application/json", body));
        Lookup("заря");
        ASSERT_EQ(messages_.messages.size(), 1u) << body;
        EXPECT_EQ(messages_.messages[0].text, kUnreadable + "200).") << body;
        EXPECT_EQ(data_.end, LookupEnd::Unreadable) << body;
    }
    messages_.messages.clear();
    ASSERT_TRUE(LookupControl(*server_, "suggest=canned&status=200&type=application/json", "{\"suggestions\":[]}"));
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(data_.statusLine, "Нет данных по запросу"_ansi);
}

TEST_F(LookupServiceTest, ABodyCutOffMidwayCannotBeRead) {
    ASSERT_TRUE(server_->AddFault({.mode = "drop", .path = kSuggestPartyPath, .after = 1000}));
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, kUnreadable + "200).");
    EXPECT_TRUE(data_.rows.empty());
    EXPECT_EQ(data_.statusLine, "Ответ сервиса не прочитан (HTTP 200)"_ansi);
}

TEST_F(LookupServiceTest, ARefusedConnectionShowsMessageOneOnlyEvenAfterASuccess) {
    Lookup("заря");
    ASSERT_EQ(data_.rows.size(), 20u);
    services_.urls.suggestBase = "https://127.0.0.1:" + std::to_string(testing::ClosedPort());
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].caption, "У нас проблема ..."_ansi);
    EXPECT_TRUE(messages_.messages[0].text.starts_with("Ошибка запроса SendRequest: 7| "_ansi))
        << messages_.messages[0].text;
    EXPECT_TRUE(data_.rows.empty());
    EXPECT_EQ(data_.statusLine, "Нет данных по запросу"_ansi);
    EXPECT_EQ(view_.events.back(), "address");
}

// Without CAFILE the fake's own certificate is as good as anybody's; with it, a certificate for another host
// name is still refused. Neither server hears a request, let alone the token.
TEST_F(LookupServiceTest, AServerWhoseCertificateFailsGetsNoRequestAndNoToken) {
    const std::string refused =
        "Ошибка запроса SendRequest: 60| SSL peer certificate or SSH remote key was not OK"_ansi;
    services_.access.trustAnchorsFile.clear();
    Lookup("заря");
    ASSERT_FALSE(messages_.messages.empty());
    EXPECT_EQ(messages_.messages[0].text, refused);
    EXPECT_EQ(data_.end, LookupEnd::Failed);
    EXPECT_TRUE(server_->Requests().empty());

    messages_.messages.clear();
    services_ = testing::FakeLookupServices(*server_);
    services_.urls.suggestBase = server_->OtherHostHttpsUrl("");
    Lookup("заря");
    ASSERT_FALSE(messages_.messages.empty());
    EXPECT_EQ(messages_.messages[0].text, refused);
    EXPECT_TRUE(server_->Requests(kSuggestPartyPath).empty());
}

// Small limits stand in for the program's (20 s, 10 B/s for 15 s, 60 s, 16 MB), each case with only the one
// it reaches small, so that a slow machine never ends the rest of the lookup early. The silent and the slow
// server are the version service: libcurl counts a request body in its speed for five seconds, so a
// lookup's POST would take that much longer to count as slow.
TEST_F(LookupServiceTest, SilentSlowEndlessAndHugeAnswersEndAtTheirLimitWithItsMessage) {
    const http::TransferLimits roomy = {.connectSeconds = 20,
                                        .lowSpeedBytesPerSecond = 1,
                                        .lowSpeedSeconds = 20,
                                        .totalSeconds = 60,
                                        .maxBytes = 16u << 20};
    http::TransferLimits slow = roomy;
    slow.lowSpeedBytesPerSecond = 10;
    slow.lowSpeedSeconds = 1;
    http::TransferLimits brief = roomy;
    brief.totalSeconds = 2;
    http::TransferLimits small = roomy;
    small.maxBytes = 1u << 20;
    http::TransferLimits hasty = roomy;
    hasty.connectSeconds = 1;
    const std::string slowText = "| Сервис передавал меньше 10 байт/с в течение 1 с."_ansi;
    const std::string hugeText = "| Maximum file size exceeded| Превышен предел размера ответа 1 МБ."_ansi;
    const struct {
        testsupport::FaultSpec fault;
        http::TransferLimits limits;
        std::string ending;
    } cases[] = {
        {{.mode = "hold", .path = "/api/v2/version"}, slow, slowText},
        {{.mode = "drip", .path = "/api/v2/version", .bytes = 1, .intervalMs = 1000}, slow, slowText},
        {{.mode = "drip", .path = kSuggestPartyPath, .bytes = 40, .intervalMs = 100},
         brief,
         "| Превышен предел времени запроса 2 с."_ansi},
        {{.mode = "flood", .path = kSuggestPartyPath, .bytes = 17u << 20, .chunked = true}, small, hugeText},
        {{.mode = "flood", .path = kSuggestPartyPath, .bytes = 17u << 20}, small, hugeText},
    };
    data_.query = "ладога"_ansi;
    for (const auto& c : cases) {
        ASSERT_TRUE(server_->Reset());
        ASSERT_TRUE(server_->AddFault(c.fault));
        messages_.messages.clear();
        services_.access.limits = c.limits;
        // Each case runs the one transfer it is about.
        if (c.fault.path == kSuggestPartyPath) {
            data_.actualityDate = 1;
            EXPECT_FALSE(RunLookup(data_, view_, services_));
        } else {
            EXPECT_FALSE(QueryActuality(data_, view_, services_));
        }
        ASSERT_EQ(messages_.messages.size(), 1u) << c.fault.mode;
        EXPECT_TRUE(messages_.messages[0].text.ends_with(c.ending)) << base::AnsiToUtf8(messages_.messages[0].text);
    }
    // A server that takes the connection but never answers the TLS handshake.
    services_.access.limits = hasty;
    services_.urls.suggestBase = "https://127.0.0.1:" + std::to_string(server_->RawPort());
    messages_.messages.clear();
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].text.ends_with("| Соединение с сервисом не установлено за 1 с."_ansi))
        << base::AnsiToUtf8(messages_.messages[0].text);
}

TEST_F(LookupServiceTest, TheRowsComeOutBeforeASilentVersionServiceTimesOut) {
    services_.access.limits.lowSpeedSeconds = 1;
    ASSERT_TRUE(server_->AddFault({.mode = "hold", .path = "/api/v2/version"}));
    Lookup("ладога");
    EXPECT_EQ(view_.events, (std::vector<std::string>{"transfer", "refresh", "select 0", "enable buttons", "focus list",
                                                      "address", "transfer"}));
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].text.starts_with("Ошибка запроса SendRequest: 28| "_ansi));
    EXPECT_EQ(data_.statusLine, "Найдено: 19"_ansi);
    EXPECT_EQ(data_.end, LookupEnd::Rows);
}

TEST_F(LookupServiceTest, WithTheVersionServiceDownEveryLookupReportsItAfterItsOwnResult) {
    services_.urls.versionBase = "https://127.0.0.1:" + std::to_string(testing::ClosedPort());
    Lookup("заря");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].text.starts_with("Ошибка запроса SendRequest: 7| "_ansi));
    EXPECT_EQ(data_.statusLine, "Показано: 20 (Уточните запрос !)"_ansi);
    Lookup("несуществующее");
    ASSERT_EQ(messages_.messages.size(), 3u);
    EXPECT_EQ(messages_.messages[1].caption, "Сообщение"_ansi);
    EXPECT_TRUE(messages_.messages[2].text.starts_with("Ошибка запроса SendRequest: 7| "_ansi));
    EXPECT_EQ(data_.actualityDate, 0);
}

TEST_F(LookupServiceTest, AFailedLookupStillAsksForTheActualityDate) {
    ASSERT_TRUE(LookupControl(*server_, "suggest=500json"));
    Lookup("заря");
    EXPECT_EQ(server_->Requests("/api/v2/version").size(), 1u);
    EXPECT_EQ(data_.actualityDate, base::DayNumber(2024, 6, 1));
    EXPECT_EQ(data_.statusLine, "Нет данных по запросу"_ansi);
}

TEST_F(LookupServiceTest, VersionAnswersWithoutAUsableDateLeaveItUnknown) {
    for (const char* fault : {"version=noegrul", "version=notjson", "version=500"}) {
        ASSERT_TRUE(LookupControl(*server_, fault));
        Lookup("ладога");
        EXPECT_EQ(data_.actualityDate, 0) << fault;
        EXPECT_EQ(data_.statusLine, "Найдено: 19"_ansi) << fault;
    }
    EXPECT_TRUE(messages_.messages.empty());
    ASSERT_TRUE(LookupControl(*server_, "version=none&egrul=31.02.2024"));
    Lookup("ладога");
    EXPECT_EQ(data_.actualityDate, 0);
    ASSERT_TRUE(LookupControl(*server_, "egrul=20.01.2025"));
    Lookup("ладога");
    EXPECT_EQ(data_.statusLine, "Актуальность: 20.01.2025 г., Найдено: 19"_ansi);
}

// More entries than the request asks for: the first 20 are shown, and the user is asked to narrow the query.
TEST_F(LookupServiceTest, AnAnswerOfSeveralMegabytes) {
    std::string entry = "{\"value\":\"" + std::string(100000, 'v') + "\",\"unrestricted_value\":\"ООО ТЕСТ " +
                        std::string(1000, 'N') + "\",\"data\":{\"inn\":\"" + std::string(5000, '1') +
                        "\",\"state\":{\"registration_date\":1029456000000}}}";
    std::string body = "{\"suggestions\":[";
    for (int i = 0; i < 40; ++i)
        body += (i ? "," : "") + entry;
    body += "]}";
    ASSERT_GT(body.size(), 4u * 1024 * 1024);
    ASSERT_TRUE(LookupControl(*server_, "suggest=canned&status=200&type=application/json", body));
    Lookup("заря");
    EXPECT_EQ(data_.rows.size(), 20u);
    EXPECT_EQ(data_.rows[0].QFName.View().size(), 255u);
    EXPECT_EQ(data_.rows[0].QFRegDate, base::DayNumber(2002, 8, 16));
    EXPECT_EQ(data_.statusLine, "Актуальность: 01.06.2024 г., Показано: 20 (Уточните запрос !)"_ansi);
}

} // namespace
} // namespace kvilo::lookup
