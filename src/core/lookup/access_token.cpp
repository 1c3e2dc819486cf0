#include "core/lookup/access_token.h"

#include <algorithm>

#include "platform/debug_output.h"

namespace kvilo::lookup {

namespace {

constexpr size_t kMaxTokenLength = 128;

std::string_view Stripped(std::string_view text) {
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

} // namespace

bool IsUsableToken(std::string_view token) {
    return !token.empty() && token.size() <= kMaxTokenLength &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

std::string ChooseAccessToken(std::string_view fromEnvironment, std::string_view stored) {
    for (std::string_view candidate : {Stripped(fromEnvironment), Stripped(stored)}) {
        if (candidate.empty()) continue;
        if (IsUsableToken(candidate)) return std::string(candidate);
        // Said without the text itself: even a malformed token is somebody's secret.
        platform::DebugOutput("[lookup] a user's API token was ignored: it is not 1 to 128 visible ASCII characters");
    }
    return kAccessToken;
}

} // namespace kvilo::lookup
