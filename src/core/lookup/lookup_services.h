#pragma once
// Everything a lookup needs to reach the DaData services: their addresses, the token it sends, and the
// access every transfer with an outside host gets (trust anchors, limits, the abort flag).
#include <string>
#include <string_view>

#include "core/lookup/access_token.h"
#include "core/lookup/service_urls.h"
#include "http/outside_session.h"

namespace kvilo::lookup {

struct LookupServices {
    ServiceUrls urls;
    std::string token = kAccessToken;
    http::OutsideAccess access;
};

// The program's services: the addresses and CAFILE from the named parameters, the token from KVILO_TOKEN or,
// failing that, `storedToken` (the settings store's entry; empty when there is none), else the built-in one.
LookupServices LookupServicesFromParameters(std::string_view storedToken);

} // namespace kvilo::lookup
