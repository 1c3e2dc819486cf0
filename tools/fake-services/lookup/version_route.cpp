#include "version_route.h"

namespace kvilo::fake {

namespace {

// The answer's shape, with a few more resources than the program reads; the names are raw UTF-8.
std::string VersionBody(const VersionSettings& settings) {
    std::string resources;
    if (settings.fault != VersionFault::NoEgrulDate) resources = "\"ЕГРЮЛ\":\"" + settings.egrulDate + "\",";
    return "{\"dadata\":{\"version\":\"stable (9048:bf33b2acc8ba)\"},"
           "\"suggestions\":{\"version\":\"25.1 (b55eb7f1)\",\"resources\":{" +
           resources +
           "\"КЛАДР\":\"15.01.2025\",\"IP-адреса\":\"13.01.2025\",\"Банки\":\"20.01.2025\"}},"
           "\"factor\":{\"version\":\"25.1 (c6b4b6c9)\",\"resources\":{\"ФИАС\":\"17.01.2025\","
           "\"Недейств. паспорта\":\"19.01.2025\",\"Телефоны\":\"01.01.2025\"}}}";
}

} // namespace

bool VersionFaultFromName(const std::string& name, VersionFault& fault) {
    if (name == "none")
        fault = VersionFault::None;
    else if (name == "500")
        fault = VersionFault::ServerError;
    else if (name == "notjson")
        fault = VersionFault::NotJson;
    else if (name == "noegrul")
        fault = VersionFault::NoEgrulDate;
    else
        return false;
    return true;
}

RouteResponse AnswerVersion(const RouteRequest& request, const VersionSettings& settings) {
    if (request.method != "GET" && request.method != "HEAD") return ErrorJson(405, "Method Not Allowed");
    switch (settings.fault) {
    case VersionFault::ServerError:
        return HtmlErrorPage(500, "Internal Server Error");
    case VersionFault::NotJson:
        return {200, "application/json", "<html>maintenance</html>"};
    case VersionFault::None:
    case VersionFault::NoEgrulDate:
        break;
    }
    return {200, "application/json;charset=UTF-8", VersionBody(settings)};
}

} // namespace kvilo::fake
