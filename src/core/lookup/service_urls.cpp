#include "core/lookup/service_urls.h"

#include "base/blank_text.h"
#include "core/lookup/lookup_request.h"
#include "platform/command_line.h"

namespace kvilo::lookup {

namespace {

// A base given with a trailing "/" must not double the path's own.
std::string Join(std::string base, const char* path) {
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + path;
}

std::string BaseOr(const char* parameter, const char* fallback) {
    std::string value = platform::CommandParameter(parameter);
    const std::string_view trimmed = base::Trim(value);
    return trimmed.empty() ? std::string(fallback) : std::string(trimmed);
}

} // namespace

std::string ServiceUrls::SuggestPartyUrl() const {
    return Join(suggestBase, kSuggestPartyPath);
}

std::string ServiceUrls::FindPartyByIdUrl() const {
    return Join(suggestBase, kFindPartyByIdPath);
}

std::string ServiceUrls::VersionUrl() const {
    return Join(versionBase, kVersionPath);
}

ServiceUrls ServiceUrlsFromParameters() {
    return {BaseOr("SUGGESTURL", kDefaultSuggestBase), BaseOr("VERSIONURL", kDefaultVersionBase)};
}

} // namespace kvilo::lookup
