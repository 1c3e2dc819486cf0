// The requisites block for the clipboard: a company, a sole trader, escaping and what the service may
// leave out.
#include "core/extract/requisites_text.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

namespace kvilo::extract {
namespace {

using namespace base::literals;

lookup::PartyRecord Company() {
    lookup::PartyRecord r;
    r.DaName = "ПАО \"БАНК\" & Ко"_ansi;
    r.DaInn = "7707083893";
    r.DaKpp = "773601001";
    r.DaOgrn = "1027700132195";
    r.DaLiZo = "Ю"_ansi;
    r.DaAddress = "117312, г Москва, ул Вавилова, д 19"_ansi;
    r.DaDir = "Петров Пётр Петрович"_ansi;
    r.DaDol = "ПРЕЗИДЕНТ"_ansi;
    return r;
}

TEST(RequisitesText, ACompanyAsTheDocumentBlock) {
    EXPECT_EQ(RequisitesText(Company()), "ПАО \"БАНК\" & Ко\n"
                                         "ИНН / КПП: 7707083893 / 773601001\n"
                                         "ОГРН: 1027700132195\n"
                                         "Адрес: 117312, г Москва, ул Вавилова, д 19\n"
                                         "Руководитель: ПРЕЗИДЕНТ Петров Пётр Петрович\n"_ansi);
}

TEST(RequisitesText, ASoleTraderHasNoKppAndAnOgrnipAndEmptyLinesAreLeftOut) {
    lookup::PartyRecord r;
    r.DaName = "ИП Иванов Иван Иванович"_ansi;
    r.DaInn = "500100732259";
    r.DaOgrn = "304500116000157";
    r.DaLiZo = "Ф"_ansi;
    r.DaAddress = "г Москва\tул\nЛенина"_ansi; // control characters from the service become blanks
    EXPECT_EQ(RequisitesText(r), "ИП Иванов Иван Иванович\n"
                                 "ИНН: 500100732259\n"
                                 "ОГРНИП: 304500116000157\n"
                                 "Адрес: г Москва ул Ленина\n"_ansi);
    EXPECT_EQ(RequisitesText(lookup::PartyRecord{}), "");
}

TEST(RequisitesText, TheHtmlTableEscapesEveryText) {
    const std::string html = RequisitesHtml(Company());
    EXPECT_NE(html.find("<tr><td>Наименование</td><td>ПАО &quot;БАНК&quot; &amp; Ко</td></tr>"_ansi),
              std::string::npos);
    EXPECT_NE(html.find("<tr><td>ИНН / КПП</td><td>7707083893 / 773601001</td></tr>"_ansi), std::string::npos);
    lookup::PartyRecord hostile;
    hostile.DaName = "<script>x</script>";
    EXPECT_EQ(RequisitesHtml(hostile).find("<script>"), std::string::npos);
}

} // namespace
} // namespace kvilo::extract
