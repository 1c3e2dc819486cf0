#include "core/lookup/service_error.h"

#include <cctype>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/lookup/access_token.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

// The token is ASCII, so only ASCII letters can match it.
bool TokenAt(std::string_view text, size_t pos) {
    if (pos + kAccessTokenLength > text.size()) return false;
    for (size_t i = 0; i < kAccessTokenLength; ++i) {
        auto c = static_cast<unsigned char>(text[pos + i]);
        if (std::tolower(c) != std::tolower(static_cast<unsigned char>(kAccessToken[i]))) return false;
    }
    return true;
}

framework::Message Information(std::string caption, std::string text) {
    framework::Message m;
    m.caption = std::move(caption);
    m.text = std::move(text);
    m.icon = framework::MessageIcon::Information;
    return m;
}

} // namespace

std::string MaskToken(std::string_view message) {
    const std::string placeholder = "*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***"_ansi;
    std::string text(message.substr(0, kMessageWidth));
    for (size_t pos = 0; pos < text.size();) {
        if (TokenAt(text, pos)) {
            // A token that ends exactly at the field's last character is masked as well: leaving it
            // visible would show the key to the user.
            text.replace(pos, kAccessTokenLength, placeholder);
            pos += placeholder.size();
        } else {
            ++pos;
        }
    }
    return text.substr(0, kMessageWidth);
}

framework::Message TransferFailedMessage(int result, std::string_view errorText) {
    return Information("У нас проблема ..."_ansi,
                       "Ошибка запроса SendRequest: "_ansi + std::to_string(result) + "| " + std::string(errorText));
}

framework::Message NothingFoundMessage(std::string_view query) {
    return Information("Сообщение"_ansi, " По запросу: "_ansi + std::string(base::RightTrim(query)) +
                                             " в справочнике ЕГРЮЛ / ЕГРИП нет информации !"_ansi);
}

framework::Message ServiceErrorMessage(const ServiceError& error) {
    return Information("У нас проблема ..."_ansi,
                       " В ответ на Ваш запрос в справочник ЕГРЮЛ / ЕГРИП получена ошибка.|| Группа : "_ansi +
                           std::string(error.FAMILY.View()) + "|" + " Причина : "_ansi +
                           std::string(error.REASON.View()) + "|" + " Текст : "_ansi +
                           std::string(error.MESSAGE.View()) + "|");
}

} // namespace kvilo::lookup
