#include "core/lookup/browse_texts.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/online/location_map.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

TEST(RegionList, HoldsEightySevenEntriesFromAllRegionsToOtherTerritories) {
    std::vector<RegionEntry> regions = ParseRegionList(RegionListSource());
    ASSERT_EQ(regions.size(), 87u);
    EXPECT_EQ(regions.front().text, "00. ВСЕ СУБЪЕКТЫ РФ"_ansi);
    EXPECT_EQ(regions.front().code, 0);
    EXPECT_EQ(regions[5].text, "05. Республика Дагестан"_ansi);
    EXPECT_EQ(regions[5].code, 5);
    EXPECT_EQ(regions[77].text, "77. г. Москва"_ansi);
    EXPECT_EQ(regions[77].code, 77);
    EXPECT_EQ(regions[80].code, 83);
    EXPECT_EQ(regions.back().text, "99. Иные территории, в т.ч. г. Байконур"_ansi);
    EXPECT_EQ(regions.back().code, 99);
}

TEST(RegionList, EveryShownTextBeginsWithItsOwnCode) {
    for (const RegionEntry& entry : ParseRegionList(RegionListSource())) {
        ASSERT_GE(entry.text.size(), 4u);
        EXPECT_EQ(std::stoi(entry.text.substr(0, 2)), entry.code) << entry.text;
        EXPECT_EQ(entry.text.substr(2, 2), ". ");
    }
}

TEST(RegionList, ADamagedValueEndsTheListThere) {
    EXPECT_EQ(ParseRegionList("00. A|#00|01. B|#x1|02. C|#02").size(), 1u);
    EXPECT_EQ(ParseRegionList("00. A|#00|01. B|#256").size(), 1u);
    EXPECT_EQ(ParseRegionList("00. A|00").size(), 0u);
    EXPECT_EQ(ParseRegionList("").size(), 0u);
    EXPECT_EQ(ParseRegionList("00. A|#00|01. B").size(), 1u);
}

TEST(VersionText, ShowsTheBuildDateAsDayMonthYear) {
    EXPECT_EQ(VersionText(base::DayNumber(2024, 3, 16)), "Версия Kvilo от 16.03.2024 г."_ansi);
    EXPECT_EQ(VersionText(base::DayNumber(2025, 11, 5)), "Версия Kvilo от 05.11.2025 г."_ansi);
}

TEST(MapArguments, CaptionIsOneInTenThenNameAndAddressInTwoHundred) {
    ASSERT_TRUE(online::HasLocation("55.757", "37.615"));
    MapArguments arguments =
        MapArgumentsOf("  ООО Альфа  "_ansi, " г Москва, ул Тверская, д 1 "_ansi, "37.615", "55.757");
    ASSERT_EQ(arguments.caption.size(), 210u);
    EXPECT_EQ(arguments.caption.substr(0, 10), "1         ");
    EXPECT_EQ(arguments.caption.substr(10, 40), "ООО Альфа, г Москва, ул Тверская, д 1   "_ansi);
    EXPECT_EQ(arguments.caption.find_last_not_of(' '),
              10 + std::string("ООО Альфа, г Москва, ул Тверская, д 1"_ansi).size() - 1);
    EXPECT_EQ(arguments.longitude, "37.615");
    EXPECT_EQ(arguments.latitude, "55.757");
}

TEST(MapArguments, ALongNameAndAddressAreCutAtTwoHundred) {
    MapArguments arguments = MapArgumentsOf(std::string(180, 'N'), std::string(100, 'A'), "1", "2");
    EXPECT_EQ(arguments.caption.size(), 210u);
    EXPECT_EQ(arguments.caption.back(), 'A');
}

TEST(TooltipLines, BreaksAHintAtBlanksIntoShortLines) {
    EXPECT_EQ(TooltipLines("Очистить поле поиска [CTRL + E]"_ansi, 20), "Очистить поле поиска\n[CTRL + E]"_ansi);
    EXPECT_EQ(TooltipLines("Закрыть окно"_ansi), "Закрыть окно"_ansi);
    EXPECT_EQ(TooltipLines(std::string(50, 'x') + " y", 40), std::string(50, 'x') + "\ny");
}

} // namespace
} // namespace kvilo::lookup
