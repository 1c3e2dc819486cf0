// The texts a lookup produces: the request body, the masked service error, the three messages and the
// status line.
#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"
#include "base/dates.h"
#include "base/markup_text.h"
#include "core/lookup/access_token.h"
#include "core/lookup/lookup_request.h"
#include "core/lookup/service_error.h"
#include "core/lookup/status_line.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

const std::string kPlaceholder = "*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***"_ansi;

TEST(RequestBody, LegalEntitiesInOneRegion) {
    EXPECT_EQ(BuildRequestBody("7707083893", kLegalOnly, 77),
              "<req><query>7707083893</query><count>20</count><type>LEGAL</type>"
              "<locations><kladr_id>77</kladr_id></locations></req>");
}

TEST(RequestBody, AllFormsAllRegionsHasNeitherElement) {
    EXPECT_EQ(BuildRequestBody("x", kAllForms, 0), "<req><query>x</query><count>20</count></req>");
    EXPECT_EQ(BuildRequestBody("x", 7, 0), "<req><query>x</query><count>20</count></req>");
}

TEST(RequestBody, SoleTradersAndAOneDigitRegion) {
    EXPECT_EQ(BuildRequestBody("x", kIndividualOnly, 5), "<req><query>x</query><count>20</count><type>INDIVIDUAL</type>"
                                                         "<locations><kladr_id>5</kladr_id></locations></req>");
}

TEST(RequestBody, QueryGoesAsEscapedUtf8WithLeadingBlanksAndWithoutTrailingOnes) {
    EXPECT_EQ(BuildRequestBody("  Рога & <Копыта> \"'\x07\x1b  "_ansi, kAllForms, 0),
              "<req><query>  Рога &amp; &lt;Копыта&gt; &quot;&apos;</query><count>20</count></req>");
    EXPECT_EQ(base::EscapeMarkup("</query><count>100</count>", true), "&lt;/query&gt;&lt;count&gt;100&lt;/count&gt;");
}

TEST(TokenMask, EveryOccurrenceInAnyCaseAtAnyPosition) {
    const std::string token = kAccessToken;
    std::string upper = token;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(MaskToken("'" + token + "' / " + upper + token, token),
              "'" + kPlaceholder + "' / " + kPlaceholder + kPlaceholder);
    // A text that begins like the token just before the token itself.
    EXPECT_EQ(MaskToken(token.substr(0, 5) + token, token), token.substr(0, 5) + kPlaceholder);
    EXPECT_EQ(MaskToken("no key " + token.substr(0, 39), token), "no key " + token.substr(0, 39));
    EXPECT_EQ(MaskToken("", token), "");
}

TEST(ServiceErrorAnswer, LoadsMaskedBlankedTextsCutToTheirWidths) {
    const std::string token = "my-own-token";
    ServiceError e;
    ASSERT_TRUE(LoadServiceError("{\"FAMILY\":\"CLIENT\\u001b[2J\",\"reason\":\"x " + token + "\",\"message\":\"" +
                                     std::string(240, 'm') + "MY-OWN-TOKEN\",\"extra\":1}",
                                 token, e));
    EXPECT_EQ(e.FAMILY.View(), "CLIENT [2J");
    EXPECT_EQ(e.REASON.View(), "x " + kPlaceholder);
    EXPECT_EQ(e.MESSAGE.View(), std::string(240, 'm') + kPlaceholder.substr(0, 10));
    EXPECT_FALSE(LoadServiceError("<html>500</html>", token, e));
    EXPECT_TRUE(e.FAMILY.Empty());
    EXPECT_TRUE(LoadServiceError("{\"error\":\"x\"}", token, e));
    EXPECT_TRUE(e.FAMILY.Empty());
}

TEST(AccessToken, TheUsersOwnReplacesTheBuiltInOneWhenItCanGoIntoAHeader) {
    EXPECT_EQ(ChooseAccessToken("", ""), kAccessToken);
    EXPECT_EQ(ChooseAccessToken(" env-token\n", "stored"), "env-token");
    EXPECT_EQ(ChooseAccessToken("", "stored"), "stored");
    EXPECT_EQ(ChooseAccessToken("bad\r\nX-Injected: 1", "stored"), "stored");
    EXPECT_EQ(ChooseAccessToken("two words", std::string(129, 'a')), kAccessToken);
    EXPECT_TRUE(IsUsableToken(std::string(128, 'a')));
    EXPECT_FALSE(IsUsableToken("токен"_ansi));
}

TEST(LookupMessages, TransferFailedAndTheLimitThatEndedIt) {
    EXPECT_EQ(
        TransferFailedMessage(63, "Maximum file size exceeded", "Превышен предел размера ответа 16 МБ."_ansi).text,
        "Ошибка запроса SendRequest: 63| Maximum file size exceeded| Превышен предел размера ответа 16 МБ."_ansi);
    framework::Message m = TransferFailedMessage(7, "Couldn't connect to server");
    EXPECT_EQ(m.caption, "У нас проблема ..."_ansi);
    EXPECT_EQ(m.text, "Ошибка запроса SendRequest: 7| Couldn't connect to server"_ansi);
    EXPECT_EQ(m.icon, framework::MessageIcon::Information);
    ASSERT_EQ(m.buttons.size(), 1u);
    EXPECT_STREQ(m.buttons[0].c_str(), framework::kCloseButton);
}

TEST(LookupMessages, NothingFound) {
    framework::Message m = NothingFoundMessage("  ЗАРЯ   "_ansi);
    EXPECT_EQ(m.caption, "Сообщение"_ansi);
    EXPECT_EQ(m.text, " По запросу:   ЗАРЯ в справочнике ЕГРЮЛ / ЕГРИП нет информации !"_ansi);
}

TEST(LookupMessages, ServiceError) {
    ServiceError e;
    e.FAMILY = "CLIENT_ERROR";
    e.REASON = "Forbidden";
    e.MESSAGE = "HTTP 403 Forbidden";
    framework::Message m = ServiceErrorMessage(e);
    EXPECT_EQ(m.caption, "У нас проблема ..."_ansi);
    EXPECT_EQ(m.text, " В ответ на Ваш запрос в справочник ЕГРЮЛ / ЕГРИП получена ошибка.|| Группа : CLIENT_ERROR|"
                      " Причина : Forbidden| Текст : HTTP 403 Forbidden|"_ansi);
}

TEST(LookupMessages, UnreadableAnswer) {
    framework::Message m = UnreadableAnswerMessage(500);
    EXPECT_EQ(m.caption, "У нас проблема ..."_ansi);
    EXPECT_EQ(m.text, "Ответ сервиса не удалось прочитать (HTTP 500)."_ansi);
    EXPECT_STREQ(m.buttons.at(0).c_str(), framework::kCloseButton);
    EXPECT_EQ(UnreadableStatusLine(200), "Ответ сервиса не прочитан (HTTP 200)"_ansi);
}

TEST(StatusLine, Counts) {
    EXPECT_EQ(ShowCounters(0, 0), "Нет данных по запросу"_ansi);
    EXPECT_EQ(ShowCounters(0, 19), "Найдено: 19"_ansi);
    EXPECT_EQ(ShowCounters(0, 20), "Показано: 20 (Уточните запрос !)"_ansi);
    EXPECT_EQ(ShowCounters(0, 1), "Найдено: 1"_ansi);
}

TEST(StatusLine, ActualityPrefixUnlessNothingWasFound) {
    int32_t date = base::DayNumber(2024, 6, 1);
    EXPECT_EQ(ShowCounters(date, 7), "Актуальность: 01.06.2024 г., Найдено: 7"_ansi);
    EXPECT_EQ(ShowCounters(date, 20), "Актуальность: 01.06.2024 г., Показано: 20 (Уточните запрос !)"_ansi);
    EXPECT_EQ(ShowCounters(date, 0), "Нет данных по запросу"_ansi);
}

} // namespace
} // namespace kvilo::lookup
