#pragma once
// The addresses of the DaData services. The named parameters SUGGESTURL and VERSIONURL replace scheme, host
// and port (tests and the demo point them at the fake services); without them the real hosts are used.
#include <string>

namespace kvilo::lookup {

inline constexpr const char* kDefaultSuggestBase = "https://suggestions.dadata.ru";
inline constexpr const char* kDefaultVersionBase = "https://dadata.ru";

struct ServiceUrls {
    std::string suggestBase = kDefaultSuggestBase;
    std::string versionBase = kDefaultVersionBase;

    std::string SuggestPartyUrl() const;
    std::string VersionUrl() const;
    std::string FindPartyByIdUrl() const;
};

// The addresses from the command line's named parameters.
ServiceUrls ServiceUrlsFromParameters();

} // namespace kvilo::lookup
