#include "suggest_request.h"

#include <charconv>
#include <cstring>

namespace kvilo::fake {

namespace {

// The text between <name> and the next </name> after `from`; npos when the element is missing.
size_t FindElement(std::string_view xml, std::string_view name, size_t from, std::string_view& content) {
    std::string open = "<" + std::string(name) + ">";
    std::string close = "</" + std::string(name) + ">";
    size_t start = xml.find(open, from);
    if (start == std::string_view::npos) return std::string_view::npos;
    size_t begin = start + open.size();
    size_t end = xml.find(close, begin);
    if (end == std::string_view::npos) return std::string_view::npos;
    content = xml.substr(begin, end - begin);
    return end + close.size();
}

// The five predefined entities and numeric character references; anything else stays as written.
std::string DecodeEntities(std::string_view text) {
    static const struct {
        const char* entity;
        char c;
    } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& named : kNamed) {
                if (text.substr(i).starts_with(named.entity)) {
                    out += named.c;
                    i += std::strlen(named.entity);
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

std::string_view Trim(std::string_view text) {
    size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t\r\n") - b + 1);
}

bool HasRootElement(std::string_view xml) {
    std::string_view t = Trim(xml);
    if (t.starts_with("<?xml")) {
        size_t end = t.find("?>");
        if (end == std::string_view::npos) return false;
        t = Trim(t.substr(end + 2));
    }
    if (t.size() < 4 || t.front() != '<' || t.back() != '>') return false;
    size_t nameEnd = t.find_first_of(" >/", 1);
    if (nameEnd == std::string_view::npos || nameEnd == 1) return false;
    std::string close = "</" + std::string(t.substr(1, nameEnd - 1)) + ">";
    return t.ends_with(close);
}

int ParseCount(std::string_view text) {
    text = Trim(text);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return kDefaultCount;
    return value > kMaxCount ? kMaxCount : value;
}

} // namespace

bool ParseSuggestXml(std::string_view body, SuggestRequest& request) {
    request = SuggestRequest{};
    if (!HasRootElement(body)) return false;
    std::string_view content;
    size_t queryEnd = FindElement(body, "query", 0, content);
    if (queryEnd == std::string_view::npos) return false;
    request.query = DecodeEntities(content);
    // The other elements are looked for outside the query, whose text may hold anything.
    std::string rest = std::string(body.substr(0, body.find("<query>"))) + std::string(body.substr(queryEnd));
    if (FindElement(rest, "count", 0, content) != std::string_view::npos) request.count = ParseCount(content);
    if (FindElement(rest, "type", 0, content) != std::string_view::npos) request.type = std::string(Trim(content));
    size_t from = 0;
    std::string_view locations;
    while ((from = FindElement(rest, "locations", from, locations)) != std::string_view::npos) {
        if (FindElement(locations, "kladr_id", 0, content) != std::string_view::npos)
            request.kladrIds.emplace_back(Trim(content));
    }
    return true;
}

} // namespace kvilo::fake
