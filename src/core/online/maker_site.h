#pragma once
// The maker's web site: two addresses that differ only in their top-level domain, both serving the version
// file at "/_version". The named parameter SITEURL replaces them (tests and the demo): one address stands for
// both, two addresses separated by "," replace each.
#include <array>
#include <string>
#include <string_view>

namespace kvilo::online {

inline constexpr std::array<const char*, 2> kMakerSiteAddresses = {"https://www.tarvelo.ru", "https://www.tarvelo.com"};

struct MakerSites {
    std::array<std::string, 2> addresses{kMakerSiteAddresses[0], kMakerSiteAddresses[1]};
};

// The addresses from SITEURL (each trimmed), or the maker's own.
MakerSites MakerSitesFromParameters();

// The address of the version file on the site at `base`.
std::string VersionFileUrl(std::string_view base);

} // namespace kvilo::online
