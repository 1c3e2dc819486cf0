#include "core/startup/locale_texts.h"

#include <mutex>
#include <string_view>

#include "base/cp1251.h"

namespace kvilo::startup {
namespace {

using namespace base::literals;

LocaleTexts installed;
std::once_flag installOnce;

// Splits a comma-separated list into exactly N texts.
template <size_t N> std::array<std::string, N> Split(std::string_view list) {
    std::array<std::string, N> items;
    for (size_t i = 0; i < N; ++i) {
        size_t comma = list.find(',');
        items[i] = std::string(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return items;
}

} // namespace

void InstallLocaleTexts() {
    std::call_once(installOnce, [] {
        installed.fullMonths =
            Split<12>("Января,Февраля,Марта,Апреля,Мая,Июня,Июля,Августа,Сентября,Октября,Ноября,Декабря"_ansi);
        installed.shortMonths = Split<12>("Янв,Фев,Мар,Апр,Май,Июн,Июл,Авг,Сен,Окт,Ноя,Дек"_ansi);
        installed.buttonCaptions =
            Split<8>("&OK,&1. Да,&2. Нет,Пре&рвать,&Повторить,&Игнорировать,&Отменить,&Справка"_ansi);
    });
}

const LocaleTexts& CurrentLocaleTexts() {
    return installed;
}

} // namespace kvilo::startup
