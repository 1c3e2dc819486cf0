#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "fake_services.h"

namespace kvilo::testsupport {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The next line without its "\n"; `at` moves past it.
std::string_view NextLine(std::string_view text, size_t& at) {
    const size_t end = text.find('\n', at);
    const size_t stop = end == std::string_view::npos ? text.size() : end;
    const std::string_view line = text.substr(at, stop - at);
    at = stop == text.size() ? stop : stop + 1;
    return line;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string RecordedRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (SameLetters(key, name)) return value;
    }
    return {};
}

bool RecordedRequest::HasHeader(std::string_view name) const {
    return std::any_of(headers.begin(), headers.end(), [name](const auto& h) { return SameLetters(h.first, name); });
}

std::vector<RecordedRequest> ParseRequestLog(std::string_view text) {
    std::vector<RecordedRequest> requests;
    size_t at = 0;
    while (at < text.size()) {
        const std::string_view line = NextLine(text, at);
        if (StartsWith(line, "REQUEST ")) {
            RecordedRequest request;
            const std::string_view rest = line.substr(8);
            const size_t space = rest.find(' ');
            request.method = std::string(rest.substr(0, space));
            if (space != std::string_view::npos) request.target = std::string(rest.substr(space + 1));
            requests.push_back(std::move(request));
        } else if (StartsWith(line, "HEADER ") && !requests.empty()) {
            const std::string_view header = line.substr(7);
            const size_t colon = header.find(": ");
            if (colon == std::string_view::npos) continue;
            requests.back().headers.emplace_back(header.substr(0, colon), header.substr(colon + 2));
        } else if (StartsWith(line, "BODY ") && !requests.empty()) {
            const size_t length = std::strtoull(std::string(line.substr(5)).c_str(), nullptr, 10);
            requests.back().body = std::string(text.substr(at, length));
            at = std::min(text.size(), at + length + 1); // the body is followed by "\n"
        }
    }
    return requests;
}

} // namespace kvilo::testsupport
