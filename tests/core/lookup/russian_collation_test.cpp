// Names sort in the Russian order, not in the order of their 1251 bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "core/lookup/russian_collation.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

PartyRows Rows(const std::vector<std::string>& names) {
    PartyRows rows;
    for (const auto& name : names) {
        PartyRow row;
        row.QFName = name;
        row.QFInn = std::to_string(rows.size());
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> Names(const PartyRows& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows)
        names.push_back(row.QFName.Str());
    return names;
}

TEST(RussianCollation, BetaBeforeAlfaByLegalForm) {
    PartyRows rows = Rows({"ООО Альфа"_ansi, "АО Бета"_ansi});
    SortRowsByName(rows);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"АО Бета"_ansi, "ООО Альфа"_ansi}));
}

TEST(RussianCollation, YoSortsWithYeNotBeforeTheAlphabet) {
    // In 1251 bytes Ё (0xA8) comes before А (0xC0); in Russian it comes right after Е.
    EXPECT_LT(CompareRussian("ЕЛАНЬ"_ansi, "ЁЛКА"_ansi), 0);
    EXPECT_LT(CompareRussian("ЁЛКА"_ansi, "ЖУК"_ansi), 0);
    EXPECT_GT(CompareRussian("ЁЛКА"_ansi, "АЛЬФА"_ansi), 0);
}

TEST(RussianCollation, CaseIsSecondaryAndCyrillicComesBeforeLatin) {
    // Bytes put every capital before every small letter and Latin before Cyrillic.
    EXPECT_LT(CompareRussian("альфа"_ansi, "БЕТА"_ansi), 0);
    EXPECT_LT(CompareRussian("ЯКОРЬ"_ansi, "LOTOS"_ansi), 0);
}

TEST(RussianCollation, TrailingBlanksDoNotCount) {
    EXPECT_EQ(CompareRussian("ЗАРЯ   "_ansi, "ЗАРЯ"_ansi), 0);
}

TEST(RussianCollation, SortKeepsTheAnswerOrderOfEqualNames) {
    PartyRows rows = Rows({"Б"_ansi, "А"_ansi, "Б"_ansi, "А"_ansi});
    SortRowsByName(rows);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"А"_ansi, "А"_ansi, "Б"_ansi, "Б"_ansi}));
    EXPECT_EQ(rows[0].QFInn.View(), "1");
    EXPECT_EQ(rows[1].QFInn.View(), "3");
    EXPECT_EQ(rows[2].QFInn.View(), "0");
}

TEST(RussianCollation, ADatasetLikeList) {
    PartyRows rows = Rows({"ООО \"ЁЛКА-ТОРГ\""_ansi, "ООО \"LOTOS TRADE\""_ansi, "ООО \"лесная поляна\""_ansi,
                           "ООО \"ЕЛАНЬ\""_ansi, "АО \"ЗАРЯ\""_ansi, "ИП Юдин"_ansi});
    SortRowsByName(rows);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"АО \"ЗАРЯ\""_ansi, "ИП Юдин"_ansi, "ООО \"ЕЛАНЬ\""_ansi,
                                                     "ООО \"ЁЛКА-ТОРГ\""_ansi, "ООО \"лесная поляна\""_ansi,
                                                     "ООО \"LOTOS TRADE\""_ansi}));
}

} // namespace
} // namespace kvilo::lookup
