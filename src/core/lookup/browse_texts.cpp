#include "core/lookup/browse_texts.h"

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "base/pictures.h"
#include "core/online/location_map.h"

namespace kvilo::lookup {

using namespace base::literals;

std::string_view RegionListSource() {
    return "00. ВСЕ СУБЪЕКТЫ РФ|#00|01. Республика Адыгея (Адыгея)|#01|02. Республика Башкортостан|#02|"
           "03. Республика Бурятия|#03|04. Республика Алтай|#04|05. Республика Дагестан|#05|"
           "06. Республика Ингушетия|#06|07. Кабардино-Балкарская Республика|#07|08. Республика Калмыкия|#08|"
           "09. Карачаево-Черкесская Республика|#09|10. Республика Карелия|#10|11. Республика Коми|#11|"
           "12. Республика Марий Эл|#12|13. Республика Мордовия|#13|14. Республика Саха (Якутия)|#14|"
           "15. Республика Северная Осетия - Алания|#15|16. Республика Татарстан (Татарстан)|#16|"
           "17. Республика Тыва|#17|18. Удмуртская Республика|#18|19. Республика Хакасия|#19|"
           "20. Чеченская Республика|#20|21. Чувашская Республика - Чувашия|#21|22. Алтайский край|#22|"
           "23. Краснодарский край|#23|24. Красноярский край|#24|25. Приморский край|#25|"
           "26. Ставропольский край|#26|27. Хабаровский край|#27|28. Амурская область|#28|"
           "29. Архангельская область|#29|30. Астраханская область|#30|31. Белгородская область|#31|"
           "32. Брянская область|#32|33. Владимирская область|#33|34. Волгоградская область|#34|"
           "35. Вологодская область|#35|36. Воронежская область|#36|37. Ивановская область|#37|"
           "38. Иркутская область|#38|39. Калининградская область|#39|40. Калужская область|#40|"
           "41. Камчатский край|#41|42. Кемеровская область|#42|43. Кировская область|#43|"
           "44. Костромская область|#44|45. Курганская область|#45|46. Курская область|#46|"
           "47. Ленинградская область|#47|48. Липецкая область|#48|49. Магаданская область|#49|"
           "50. Московская область|#50|51. Мурманская область|#51|52. Нижегородская область|#52|"
           "53. Новгородская область|#53|54. Новосибирская область|#54|55. Омская область|#55|"
           "56. Оренбургская область|#56|57. Орловская область|#57|58. Пензенская область|#58|"
           "59. Пермский край|#59|60. Псковская область|#60|61. Ростовская область|#61|"
           "62. Рязанская область|#62|63. Самарская область|#63|64. Саратовская область|#64|"
           "65. Сахалинская область|#65|66. Свердловская область|#66|67. Смоленская область|#67|"
           "68. Тамбовская область|#68|69. Тверская область|#69|70. Томская область|#70|"
           "71. Тульская область|#71|72. Тюменская область|#72|73. Ульяновская область|#73|"
           "74. Челябинская область|#74|75. Забайкальский край|#75|76. Ярославская область|#76|"
           "77. г. Москва|#77|78. г. Санкт-Петербург|#78|79. Еврейская автономная область|#79|"
           "83. Ненецкий автономный округ|#83|86. Ханты-Мансийский АО - Югра|#86|"
           "87. Чукотский автономный округ|#87|89. Ямало-Ненецкий автономный округ|#89|"
           "91. Республика Крым|#91|92. г. Севастополь|#92|99. Иные территории, в т.ч. г. Байконур|#99"_ansi;
}

namespace {

// The value after "#": digits only, at most 255.
bool ReadCode(std::string_view text, uint8_t& code) {
    if (text.size() < 2 || text[0] != '#' || text.size() > 4) return false;
    int value = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return false;
    code = static_cast<uint8_t>(value);
    return true;
}

} // namespace

std::vector<RegionEntry> ParseRegionList(std::string_view source) {
    std::vector<RegionEntry> entries;
    while (!source.empty()) {
        size_t textEnd = source.find('|');
        if (textEnd == std::string_view::npos) break;
        size_t valueEnd = source.find('|', textEnd + 1);
        std::string_view value = source.substr(
            textEnd + 1, valueEnd == std::string_view::npos ? std::string_view::npos : valueEnd - textEnd - 1);
        RegionEntry entry{std::string(source.substr(0, textEnd)), 0};
        if (!ReadCode(value, entry.code)) break;
        entries.push_back(std::move(entry));
        source = valueEnd == std::string_view::npos ? std::string_view{} : source.substr(valueEnd + 1);
    }
    return entries;
}

std::string VersionText(int32_t buildDate) {
    return "Версия Kvilo от "_ansi + base::FormatPicture(buildDate, "@d06.") + " г."_ansi;
}

MapArguments MapArgumentsOf(std::string_view name, std::string_view address, std::string_view longitude,
                            std::string_view latitude) {
    MapArguments arguments;
    std::string place(base::Trim(name));
    place += ", ";
    place += base::Trim(address);
    arguments.caption = online::LocationMapCaption(place);
    arguments.longitude = std::string(longitude);
    arguments.latitude = std::string(latitude);
    return arguments;
}

std::string TooltipLines(std::string_view hint, size_t width) {
    std::string lines;
    size_t lineLength = 0;
    while (!hint.empty()) {
        size_t blank = hint.find(' ');
        std::string_view word = hint.substr(0, blank);
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            lines += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            lines += ' ';
            ++lineLength;
        }
        lines += word;
        lineLength += word.size();
        hint = blank == std::string_view::npos ? std::string_view{} : hint.substr(blank + 1);
    }
    return lines;
}

} // namespace kvilo::lookup
