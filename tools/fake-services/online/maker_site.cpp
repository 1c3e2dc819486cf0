#include "maker_site.h"

#include <openssl/sha.h>

#include "resource_bytes.h"

namespace kvilo::fake {

const std::string& PackageSha256() {
    static const std::string hex = [] {
        const std::string bytes = ResourceBytes(0, kPackageSize);
        unsigned char digest[SHA256_DIGEST_LENGTH];
        SHA256(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), digest);
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string text;
        for (unsigned char byte : digest) {
            text += kDigits[byte >> 4];
            text += kDigits[byte & 0x0F];
        }
        return text;
    }();
    return hex;
}

std::string VersionFileText(const SiteSettings& settings, const std::string& origin) {
    if (settings.canned) return *settings.canned;
    std::string text = "[EGRULKvilo]\r\nDate=" + settings.date + "\r\n";
    switch (settings.link) {
    case SiteLink::Package:
        text += "Link=" + origin + kPackagePath + "\r\n";
        break;
    case SiteLink::Http:
        text += "Link=http" + origin.substr(origin.find("://")) + kPackagePath + "\r\n";
        break;
    case SiteLink::Long: {
        const std::string start = origin + "/download/";
        text += "Link=" + start + std::string(5000 - start.size() - 4, 'a') + ".deb\r\n";
        break;
    }
    case SiteLink::Missing:
        text += "Link=" + origin + "/download/kvilo_0.0.0_amd64.deb\r\n";
        break;
    case SiteLink::None:
        break;
    }
    if (settings.checksum == SiteChecksum::Right) text += "Sha256=" + PackageSha256() + "\r\n";
    if (settings.checksum == SiteChecksum::Wrong) text += "Sha256=" + std::string(64, 'a') + "\r\n";
    if (settings.checksum == SiteChecksum::Garbled) text += "Sha256=not-a-checksum\r\n";
    return text;
}

} // namespace kvilo::fake
