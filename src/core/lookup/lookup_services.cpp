#include "core/lookup/lookup_services.h"

#include "platform/environment.h"

namespace kvilo::lookup {

LookupServices LookupServicesFromParameters(std::string_view storedToken) {
    LookupServices services;
    services.urls = ServiceUrlsFromParameters();
    services.token = ChooseAccessToken(platform::EnvironmentVariable(kTokenVariable), storedToken);
    services.access = http::OutsideAccessFromParameters();
    return services;
}

} // namespace kvilo::lookup
