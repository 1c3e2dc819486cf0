#pragma once
// The error answer of the DaData services: {"family":..., "reason":..., "message":...}, kept as the
// program's fixed-width texts, and the messages that report a failed lookup.
#include <string>
#include <string_view>

#include "core/framework/message_presenter.h"
#include "json/record_layout.h"
#include "json/record_types.h"

namespace kvilo::lookup {

inline constexpr size_t kMessageWidth = 250;

struct ServiceError {
    json::FixedText<40> FAMILY;
    json::FixedText<120> REASON;
    json::FixedText<kMessageWidth> MESSAGE;
};
KVILO_RECORD(ServiceError, FAMILY, REASON, MESSAGE)

// `text` with every occurrence of `token`, compared without regard to case, replaced by
// "*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***", scanning on after each placeholder. The whole text is masked before
// any field width cuts it, so that no piece of a token survives at the cut.
std::string MaskToken(std::string_view text, std::string_view token);

// Loads an error answer (members matched without regard to case); false when it is not a JSON object
// (`error` is then cleared). The token is masked in all three texts and their control characters are
// blanked before they are cut to their widths.
bool LoadServiceError(std::string_view answer, std::string_view token, ServiceError& error);

// Message 1: the transfer failed; `limitText`, when given, says which limit ended it.
framework::Message TransferFailedMessage(int result, std::string_view errorText, std::string_view limitText = {});
// Message 2: the service answered but knows nothing of the query.
framework::Message NothingFoundMessage(std::string_view query);
// Message 3: the service answered with an error naming its family.
framework::Message ServiceErrorMessage(const ServiceError& error);
// The answer could not be read: cut off, not JSON, no suggestions in it, or an error without a family.
framework::Message UnreadableAnswerMessage(long httpStatus);

} // namespace kvilo::lookup
