// The texts a lookup produces: the request body, the masked service error, the three messages and the
// status line.
#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"
#include "base/dates.h"
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

TEST(RequestBody, QueryGoesAsUtf8UnescapedWithLeadingBlanksAndWithoutTrailingOnes) {
    EXPECT_EQ(BuildRequestBody("  Рога & <Копыта>   "_ansi, kAllForms, 0),
              "<req><query>  Рога & <Копыта></query><count>20</count></req>");
}

TEST(TokenMask, ReplacesEveryOccurrenceWithoutRegardToCase) {
    std::string upper(kAccessToken);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string message = "Feature 'SUGGESTIONS' disabled for token '" + std::string(kAccessToken) + "' / " + upper;
    EXPECT_EQ(MaskToken(message), "Feature 'SUGGESTIONS' disabled for token '" + kPlaceholder + "' / " + kPlaceholder);
}

TEST(TokenMask, LeavesOtherTextAndPartialTokensAlone) {
    std::string partial = std::string(kAccessToken).substr(0, 39);
    EXPECT_EQ(MaskToken("no key here " + partial), "no key here " + partial);
    EXPECT_EQ(MaskToken(""), "");
}

TEST(TokenMask, ResultStaysWithin250Characters) {
    std::string message(240, 'x');
    message += kAccessToken; // 280 characters: the token reaches past the field
    std::string masked = MaskToken(message);
    EXPECT_EQ(masked.size(), 250u);
    EXPECT_EQ(masked, message.substr(0, 250));
}

TEST(TokenMask, ATokenEndingExactlyAtTheFieldsEndIsMaskedToo) {
    std::string message(210, 'x');
    message += kAccessToken; // ends at character 250
    EXPECT_EQ(MaskToken(message), std::string(210, 'x') + kPlaceholder);
}

TEST(TokenMask, AdjacentTokensAreBothMasked) {
    std::string twice = std::string(kAccessToken) + kAccessToken;
    EXPECT_EQ(MaskToken(twice), kPlaceholder + kPlaceholder);
}

TEST(LookupMessages, TransferFailed) {
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
