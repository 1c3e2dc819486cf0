#include "suggest_route.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "json/json_node.h"
#include "json/json_parser.h"

#include "suggest_request.h"

namespace kvilo::fake {

namespace {

// The service refuses bodies beyond this size before looking at them.
constexpr size_t kMaxBody = 64 * 1024;
// and queries longer than this many characters.
constexpr size_t kMaxQueryCharacters = 300;

std::string MediaType(const std::string& header) {
    std::string type = header.substr(0, header.find(';'));
    type.erase(std::remove_if(type.begin(), type.end(), [](unsigned char c) { return std::isspace(c); }), type.end());
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
    return type;
}

bool KnownMediaType(const std::string& type) {
    return type == "application/json" || type == "application/xml";
}

bool AcceptsAnswer(const RouteRequest& request) {
    if (!request.HasHeader("Accept")) return true;
    std::string accept = MediaType(request.Header("Accept"));
    return KnownMediaType(accept) || accept == "*/*";
}

// The key after "Token "; empty when the header is missing or has another scheme.
std::string TokenOf(const RouteRequest& request) {
    std::string header = request.Header("Authorization");
    const std::string scheme = "Token ";
    if (header.compare(0, scheme.size(), scheme) != 0) return {};
    std::string token = header.substr(scheme.size());
    while (!token.empty() && token.back() == ' ')
        token.pop_back();
    return token;
}

RouteResponse Forbidden(const std::string& token) {
    return ErrorJson(403, "Forbidden", "Feature 'SUGGESTIONS' disabled for token '" + token + "'");
}

size_t Utf8Characters(const std::string& text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

RouteResponse Forced(const SuggestSettings& settings, const RouteRequest& request) {
    switch (settings.fault) {
    case SuggestFault::Unauthorized:
        return ErrorJson(401, "Unauthorized");
    case SuggestFault::Forbidden:
        return Forbidden(TokenOf(request));
    case SuggestFault::TooLarge:
        return ErrorJson(413, "Request Entity Too Large");
    case SuggestFault::UnsupportedType:
        return ErrorJson(415, "Unsupported Media Type");
    case SuggestFault::TooManyRequests:
        return {429, "text/plain", ""};
    case SuggestFault::ServerError:
        return HtmlErrorPage(500, "Internal Server Error");
    case SuggestFault::ServerErrorJson:
        return ErrorJson(500, "Internal Server Error");
    case SuggestFault::BadGatewayEmpty:
        return {502, "text/plain", ""};
    case SuggestFault::Canned:
        return settings.canned;
    case SuggestFault::None:
        break;
    }
    return {};
}

std::string Answer(const std::vector<const PartyEntry*>& hits) {
    std::string body = "{\"suggestions\":[";
    for (size_t i = 0; i < hits.size(); ++i) {
        if (i) body += ",";
        body += hits[i]->raw;
    }
    return body + "]}";
}

// The answer to a request the service does not get as far as reading: a wrong method, a forced error, a
// missing or unknown token, a media type it does not speak, a body too long.
std::optional<RouteResponse> Refuse(const RouteRequest& request, const SuggestSettings& settings) {
    if (request.method != "POST") return ErrorJson(405, "Method Not Allowed");
    if (settings.fault != SuggestFault::None) return Forced(settings, request);
    std::string token = TokenOf(request);
    if (token.empty()) return ErrorJson(401, "Unauthorized");
    if (token != kAcceptedToken) return Forbidden(token);
    if (!KnownMediaType(MediaType(request.Header("Content-Type"))) || !AcceptsAnswer(request))
        return ErrorJson(415, "Unsupported Media Type");
    if (request.body.size() > kMaxBody) return ErrorJson(413, "Request Entity Too Large");
    return std::nullopt;
}

// The members of a JSON findById body; false when it is no JSON object with a string "query".
bool ParseFindByIdJson(std::string_view body, std::string& query, std::string& branchType, int& count) {
    json::TJsonParser parser;
    json::JsonTree root = json::ParseJson(parser, body, 0);
    const json::TJsonNode* queryNode = json::GetObjectItem(root.get(), "query");
    if (!json::IsObject(root.get()) || !json::IsString(queryNode)) return false;
    query = std::string(json::GetString(queryNode));
    const json::TJsonNode* branchNode = json::GetObjectItem(root.get(), "branch_type");
    if (json::IsString(branchNode)) branchType = std::string(json::GetString(branchNode));
    const json::TJsonNode* countNode = json::GetObjectItem(root.get(), "count");
    if (json::IsNumber(countNode)) count = static_cast<int>(json::GetNumber(countNode));
    return true;
}

} // namespace

RouteResponse AnswerFindById(const RouteRequest& request, const PartyIndex& index, const SuggestSettings& settings) {
    if (std::optional<RouteResponse> refused = Refuse(request, settings)) return *refused;
    std::string query;
    std::string branchType;
    int count = kDefaultCount;
    bool read = false;
    if (MediaType(request.Header("Content-Type")) == "application/json") {
        read = ParseFindByIdJson(request.body, query, branchType, count);
    } else {
        SuggestRequest parsed;
        read = ParseSuggestXml(request.body, parsed);
        query = parsed.query;
        count = parsed.count;
    }
    if (!read) return ErrorJson(400, "Bad Request");
    constexpr int kMaxFindCount = 300;
    count = std::clamp(count, 1, kMaxFindCount);
    while (!query.empty() && query.back() == ' ')
        query.pop_back();
    return {200, "application/json;charset=UTF-8", Answer(index.FindExact(query, branchType, count))};
}

bool SuggestFaultFromName(const std::string& name, SuggestFault& fault) {
    static const struct {
        const char* name;
        SuggestFault fault;
    } kNames[] = {{"none", SuggestFault::None},           {"401", SuggestFault::Unauthorized},
                  {"403", SuggestFault::Forbidden},       {"413", SuggestFault::TooLarge},
                  {"415", SuggestFault::UnsupportedType}, {"429", SuggestFault::TooManyRequests},
                  {"500", SuggestFault::ServerError},     {"500json", SuggestFault::ServerErrorJson},
                  {"502", SuggestFault::BadGatewayEmpty}};
    for (const auto& entry : kNames) {
        if (name == entry.name) {
            fault = entry.fault;
            return true;
        }
    }
    return false;
}

RouteResponse AnswerSuggest(const RouteRequest& request, const PartyIndex& index, const SuggestSettings& settings) {
    if (std::optional<RouteResponse> refused = Refuse(request, settings)) return *refused;
    // The fake reads XML bodies only: the program sends nothing else.
    SuggestRequest parsed;
    if (MediaType(request.Header("Content-Type")) != "application/xml" || !ParseSuggestXml(request.body, parsed))
        return ErrorJson(400, "Bad Request");
    if (Utf8Characters(parsed.query) > kMaxQueryCharacters) return ErrorJson(413, "Request Entity Too Large");
    return {200, "application/json;charset=UTF-8", Answer(index.Find(parsed))};
}

} // namespace kvilo::fake
