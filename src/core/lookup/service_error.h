#pragma once
// The error answer of the DaData services: {"family":..., "reason":..., "message":...}, kept as the
// program's fixed-width texts, and the message that shows it.
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

// `message` (at most 250 characters) with every occurrence of the access token, compared without regard
// to case, replaced by "*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***", scanning on after each placeholder; the
// result is cut at 250 characters.
std::string MaskToken(std::string_view message);

// Message 1: the transfer failed.
framework::Message TransferFailedMessage(int result, std::string_view errorText);
// Message 2: the service answered but knows nothing of the query.
framework::Message NothingFoundMessage(std::string_view query);
// Message 3: the service answered with an error naming its family.
framework::Message ServiceErrorMessage(const ServiceError& error);

} // namespace kvilo::lookup
