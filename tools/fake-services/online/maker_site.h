#pragma once
// The maker's web site: the version file at /_version and the package it links to. The answer can differ per
// host name, so that the program's two addresses of the site (127.0.0.1 and localhost) answer differently.
#include <cstdint>
#include <optional>
#include <string>

namespace kvilo::fake {

inline constexpr const char* kPackagePath = "/download/kvilo_1.1.0_amd64.deb";
inline constexpr uint64_t kPackageSize = 300 * 1024 + 17;

enum class SiteLink {
    Package, // the package on the same site
    None,    // no Link key
    Http,    // the package over plain HTTP
    Long,    // an address of 5,000 characters
    Missing, // a file the site does not have (404 page)
};

enum class SiteChecksum {
    Right,   // the package's SHA-256
    None,    // no Sha256 key
    Wrong,   // 64 hex digits of another file
    Garbled, // not 64 hex digits
};

struct SiteSettings {
    std::string date = "15.06.2025";
    SiteLink link = SiteLink::Package;
    SiteChecksum checksum = SiteChecksum::Right;
    std::optional<std::string> canned; // the version file's whole text instead
};

// The version file for a site reached as `origin` ("https://127.0.0.1:40000"), CRLF line ends.
std::string VersionFileText(const SiteSettings& settings, const std::string& origin);

// The package's SHA-256 in lower-case hex.
const std::string& PackageSha256();

} // namespace kvilo::fake
