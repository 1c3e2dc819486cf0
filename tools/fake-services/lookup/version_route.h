#pragma once
// GET /api/v2/version: the versions of the service's parts and the dates of the data sets it uses.
#include <string>

#include "route_types.h"

namespace kvilo::fake {

inline constexpr const char* kVersionPath = "/api/v2/version";

enum class VersionFault {
    None,
    ServerError, // 500, an HTML page
    NotJson,     // 200 with a body that is not JSON
    NoEgrulDate, // 200 in the usual shape without the "ЕГРЮЛ" resource
};

struct VersionSettings {
    std::string egrulDate = "20.01.2025"; // dd.mm.yyyy, as the service writes it
    VersionFault fault = VersionFault::None;
};

// The fault named by a control word ("500", "notjson", "noegrul", "none"); false for an unknown word.
bool VersionFaultFromName(const std::string& name, VersionFault& fault);

RouteResponse AnswerVersion(const RouteRequest& request, const VersionSettings& settings);

} // namespace kvilo::fake
