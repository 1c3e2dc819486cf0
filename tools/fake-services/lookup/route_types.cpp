#include "route_types.h"

#include <algorithm>
#include <cctype>

namespace kvilo::fake {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The error texts hold only ASCII reason phrases and tokens, but a token comes from the client: escape
// what JSON cannot carry raw.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) continue;
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string RouteRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (SameName(key, name)) return value;
    return {};
}

bool RouteRequest::HasHeader(std::string_view name) const {
    return std::any_of(headers.begin(), headers.end(), [&](const auto& h) { return SameName(h.first, name); });
}

RouteResponse ErrorJson(int status, std::string_view reason, std::string_view message) {
    std::string family = status >= 500 ? "SERVER_ERROR" : "CLIENT_ERROR";
    return {status, "application/json",
            "{\"family\":" + JsonString(family) + ",\"reason\":" + JsonString(reason) +
                ",\"message\":" + JsonString(message) + "}"};
}

RouteResponse ErrorJson(int status, std::string_view reason) {
    return ErrorJson(status, reason, "HTTP " + std::to_string(status) + " " + std::string(reason));
}

RouteResponse HtmlErrorPage(int status, std::string_view reason) {
    std::string title = std::to_string(status) + " " + std::string(reason);
    return {status, "text/html",
            "<html>\r\n<head><title>" + title + "</title></head>\r\n<body>\r\n<center><h1>" + title +
                "</h1></center>\r\n<hr><center>nginx</center>\r\n</body>\r\n</html>\r\n"};
}

} // namespace kvilo::fake
