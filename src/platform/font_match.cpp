#include "platform/font_match.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <mutex>

namespace kvilo::platform {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const noexcept { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::string Match(const std::string& family) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) return {};
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    // The lists ask for the Cyrillic character set: the stand-in must have Russian letters.
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ru"));
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return {};
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* found = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &found) != FcResultMatch || !found) return {};
    return reinterpret_cast<const char*>(found);
}

} // namespace

std::string MatchFontFamily(std::string_view family) {
    static std::mutex mutex;
    static std::map<std::string, std::string, std::less<>> matched;
    std::lock_guard lock(mutex);
    const auto known = matched.find(family);
    if (known != matched.end()) return known->second;
    std::string stand = Match(std::string(family));
    matched.emplace(std::string(family), stand);
    return stand;
}

} // namespace kvilo::platform
