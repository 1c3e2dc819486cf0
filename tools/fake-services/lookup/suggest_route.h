#pragma once
// POST /suggestions/api/4_1/rs/suggest/party as the real service answers it, with the error answers a
// test can force.
#include <string>

#include "party_index.h"
#include "route_types.h"

namespace kvilo::fake {

inline constexpr const char* kSuggestPartyPath = "/suggestions/api/4_1/rs/suggest/party";

// The one token the fake accepts: the one built into the program.
inline constexpr const char* kAcceptedToken = "5b0e8c2f71d94a36c8e1f09b7a2d4c6e3f18a05d";

// Answers a test can force in place of the normal one.
enum class SuggestFault {
    None,
    Unauthorized,    // 401, error JSON
    Forbidden,       // 403, the message names the token the request carried
    TooLarge,        // 413, error JSON
    UnsupportedType, // 415, error JSON
    TooManyRequests, // 429, empty body
    ServerError,     // 500, an HTML page from the front proxy
    ServerErrorJson, // 500, error JSON
    BadGatewayEmpty, // 502, empty body
    Canned,          // status, media type and body given by the test
};

struct SuggestSettings {
    SuggestFault fault = SuggestFault::None;
    RouteResponse canned; // used with SuggestFault::Canned
};

// The fault named by a control word ("401", "403", "413", "415", "429", "500", "500json", "502", "none");
// false for an unknown word.
bool SuggestFaultFromName(const std::string& name, SuggestFault& fault);

inline constexpr const char* kFindPartyByIdPath = "/suggestions/api/4_1/rs/findById/party";

// POST /suggestions/api/4_1/rs/findById/party: the entries whose INN or OGRN equals the query exactly. The
// body is JSON {"query":..., "branch_type":..., "count":...} or XML as for the suggestions; the same checks
// and forced errors apply.
RouteResponse AnswerFindById(const RouteRequest& request, const PartyIndex& index, const SuggestSettings& settings);

RouteResponse AnswerSuggest(const RouteRequest& request, const PartyIndex& index, const SuggestSettings& settings);

} // namespace kvilo::fake
