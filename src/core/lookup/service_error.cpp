#include "core/lookup/service_error.h"

#include <cctype>

#include "base/blank_text.h"
#include "base/control_text.h"
#include "base/cp1251.h"
#include "json/json_parser.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

bool TokenAt(std::string_view text, size_t pos, std::string_view token) {
    if (pos + token.size() > text.size()) return false;
    for (size_t i = 0; i < token.size(); ++i) {
        auto c = static_cast<unsigned char>(text[pos + i]);
        if (std::tolower(c) != std::tolower(static_cast<unsigned char>(token[i]))) return false;
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

// A member's text as the record mapping reads it (numbers and flags as text, anything else empty), made
// safe to show.
std::string MemberText(const json::TJsonNode* root, const char* name, std::string_view token) {
    const json::TJsonNode* member = json::GetObjectItem(root, name);
    return member == nullptr ? std::string() : MaskToken(base::BlankControls(json::GetValue(member).text()), token);
}

} // namespace

std::string MaskToken(std::string_view text, std::string_view token) {
    const std::string placeholder = "*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***"_ansi;
    token = base::RightTrim(token);
    if (token.empty()) return std::string(text);
    std::string masked;
    masked.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (TokenAt(text, pos, token)) {
            masked += placeholder;
            pos += token.size();
        } else {
            masked += text[pos++];
        }
    }
    return masked;
}

bool LoadServiceError(std::string_view answer, std::string_view token, ServiceError& error) {
    error = ServiceError{};
    json::TJsonParser parser;
    // The answers arrive in UTF-8; code page 0 turns every text into the program's 1251.
    const json::JsonTree root = json::ParseJson(parser, answer, 0);
    if (!json::IsObject(root.get())) return false;
    error.FAMILY = MemberText(root.get(), "family", token);
    error.REASON = MemberText(root.get(), "reason", token);
    error.MESSAGE = MemberText(root.get(), "message", token);
    return true;
}

framework::Message TransferFailedMessage(int result, std::string_view errorText, std::string_view limitText) {
    std::string text = "Ошибка запроса SendRequest: "_ansi + std::to_string(result) + "| " + std::string(errorText);
    if (!limitText.empty()) text += "| " + std::string(limitText);
    return Information("У нас проблема ..."_ansi, std::move(text));
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

framework::Message UnreadableAnswerMessage(long httpStatus) {
    return Information("У нас проблема ..."_ansi,
                       "Ответ сервиса не удалось прочитать (HTTP "_ansi + std::to_string(httpStatus) + ").");
}

} // namespace kvilo::lookup
