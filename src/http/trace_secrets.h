#pragma once
// The debug trace shows every byte a transfer sends and receives; a secret (the API token) must not reach it,
// neither in the request's Authorization header nor in an answer that repeats it.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::http {

// What stands in the trace for a secret.
inline constexpr std::string_view kHiddenSecret = "****";

// `text` with every occurrence of each secret, compared without regard to ASCII letter case, replaced by
// "****". A block of the trace may end inside a secret or begin with the rest of one: a piece of at least
// six characters at either edge that continues a secret is replaced as well.
std::string MaskSecrets(std::string_view text, const std::vector<std::string>& secrets);

} // namespace kvilo::http
