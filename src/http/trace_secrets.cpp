#include "http/trace_secrets.h"

#include <algorithm>
#include <cctype>

namespace kvilo::http {
namespace {

// Shorter pieces at a block's edge are too likely to be something else.
constexpr size_t kMinPiece = 6;

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The length of the longest start of `text` that is the end of `secret` (the secret's rest from the
// previous block); 0 when shorter than kMinPiece.
size_t RestAtStart(std::string_view text, std::string_view secret) {
    for (size_t length = std::min(text.size(), secret.size() - 1); length >= kMinPiece; --length) {
        if (SameLetters(text.substr(0, length), secret.substr(secret.size() - length))) return length;
    }
    return 0;
}

std::string MaskOne(std::string_view text, std::string_view secret) {
    std::string out;
    out.reserve(text.size());
    size_t pos = RestAtStart(text, secret);
    if (pos != 0) out += kHiddenSecret;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        if (SameLetters(rest.substr(0, secret.size()), secret)) {
            out += kHiddenSecret;
            pos += secret.size();
        } else if (rest.size() >= kMinPiece && rest.size() < secret.size() &&
                   SameLetters(rest, secret.substr(0, rest.size()))) {
            out += kHiddenSecret; // the block ends inside the secret
            break;
        } else {
            out += text[pos++];
        }
    }
    return out;
}

} // namespace

std::string MaskSecrets(std::string_view text, const std::vector<std::string>& secrets) {
    std::string out(text);
    for (const std::string& secret : secrets) {
        if (!secret.empty()) out = MaskOne(out, secret);
    }
    return out;
}

} // namespace kvilo::http
