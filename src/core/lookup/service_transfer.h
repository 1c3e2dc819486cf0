#pragma once
// One blocking transfer with a DaData service, set up exactly as the services expect it and as every
// transfer with an outside host is: verified, bounded, the token kept out of the trace. The HTTP session is
// created and released within the call, which touches nothing else, so it may run on any thread.
#include <string>

#include "core/lookup/lookup_services.h"

namespace kvilo::lookup {

struct TransferOutcome {
    int result = 0;        // 0 success, otherwise the transfer's error code
    long httpStatus = 0;   // the server's status; 0 when no answer arrived
    std::string errorText; // the session's text for a failed result
    std::string limitText; // what the user is told of the limit that ended the transfer; empty for none
    bool cutOff = false;   // the answer's body ended before the length it announced
};

// POST of `body` with the four headers of the suggestions service (media types, charset, token).
TransferOutcome PostToSuggestions(const LookupServices& services, const std::string& body, std::string& answer);

// POST of the JSON `body` to the exact lookup by code, with the same headers but a JSON body. `retryAfter`
// receives the seconds a Retry-After header of the answer asks the client to wait, -1 when it has none.
TransferOutcome PostToFindById(const LookupServices& services, const std::string& body, std::string& answer,
                               int& retryAfter);

// GET without headers of its own.
TransferOutcome GetFromVersionService(const LookupServices& services, std::string& answer);

} // namespace kvilo::lookup
