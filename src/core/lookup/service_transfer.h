#pragma once
// One blocking transfer with a DaData service, set up exactly as the services expect it. The HTTP session
// is created and released within the call.
#include <string>

namespace kvilo::lookup {

struct TransferOutcome {
    int result = 0;        // 0 success, otherwise the transfer's error code
    long httpStatus = 0;   // set only when the transfer succeeded
    std::string errorText; // the session's text for a failed result
};

// POST of `body` with the four headers of the suggestions service (media types, charset, token).
TransferOutcome PostToSuggestions(const std::string& url, const std::string& body, std::string& answer);

// GET without headers of its own.
TransferOutcome GetFromVersionService(const std::string& url, std::string& answer);

} // namespace kvilo::lookup
