#pragma once
// What a route of the fake services sees of a request and what it answers, independent of the HTTP server
// library, so that the routes are plain functions that unit tests call directly.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvilo::fake {

struct RouteRequest {
    std::string method;
    std::string path;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first header of that name (names compare without regard to case); empty when absent.
    std::string Header(std::string_view name) const;
    bool HasHeader(std::string_view name) const;
};

struct RouteResponse {
    int status = 200;
    std::string contentType;
    std::string body;
};

// The services' error answer: {"family":..., "reason":..., "message":...}, a 4xx status is a client error.
RouteResponse ErrorJson(int status, std::string_view reason, std::string_view message);
// The same with the usual message "HTTP <status> <reason>".
RouteResponse ErrorJson(int status, std::string_view reason);

// A server fault as a front proxy sends it: an HTML page.
RouteResponse HtmlErrorPage(int status, std::string_view reason);

} // namespace kvilo::fake
