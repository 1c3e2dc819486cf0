#include "core/online/maker_site.h"

#include "base/blank_text.h"
#include "platform/command_line.h"

namespace kvilo::online {

MakerSites MakerSitesFromParameters() {
    MakerSites sites;
    const std::string value = platform::CommandParameter("SITEURL");
    const size_t comma = value.find(',');
    const std::string_view first = base::Trim(std::string_view(value).substr(0, comma));
    if (first.empty()) return sites;
    const std::string_view second =
        comma == std::string::npos ? first : base::Trim(std::string_view(value).substr(comma + 1));
    sites.addresses = {std::string(first), std::string(second.empty() ? first : second)};
    return sites;
}

std::string VersionFileUrl(std::string_view base) {
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    return std::string(base) + "/_version";
}

} // namespace kvilo::online
