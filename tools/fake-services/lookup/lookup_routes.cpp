// The company-lookup services on the fake server: the party suggestions, the exact lookup by code and the
// version answer, plus their own control route, POST /_lookup, through which a test selects their error
// answers (the suggest faults apply to the exact lookup too):
//   suggest=none|401|403|413|415|429|500|500json|502|canned   (canned: status, type and the request body)
//   version=none|500|notjson|noegrul      egrul=dd.mm.yyyy      reset=1 (before everything else)
// The fake server's general faults (POST /_control) apply to these routes as to any other.
#include <cstdlib>
#include <mutex>

#include "party_dataset.h"
#include "route_module.h"
#include "suggest_route.h"
#include "version_route.h"

namespace kvilo::fake {
namespace {

struct LookupState {
    std::mutex mutex;
    SuggestSettings suggest;
    VersionSettings version;
};

LookupState& State() {
    static LookupState state;
    return state;
}

// Loaded once; a dataset that cannot be read leaves the register empty, which every query then shows.
const PartyIndex& Parties() {
    static const PartyIndex index = [] {
        PartyIndex loaded;
        LoadPartyIndexFile(KVILO_FAKE_PARTIES, loaded);
        return loaded;
    }();
    return index;
}

RouteRequest ToRouteRequest(const httplib::Request& request) {
    RouteRequest r{request.method, request.path, {}, request.body};
    for (const auto& [name, value] : request.headers)
        r.headers.emplace_back(name, value);
    return r;
}

void Send(const RouteResponse& answer, httplib::Response& response) {
    response.status = answer.status;
    response.set_content(answer.body, answer.contentType.empty() ? "text/plain" : answer.contentType);
}

bool ApplyControl(const httplib::Request& request, LookupState& state) {
    if (request.get_param_value("reset") == "1") {
        state.suggest = {};
        state.version = {};
    }
    if (request.has_param("suggest")) {
        std::string name = request.get_param_value("suggest");
        if (name == "canned") {
            state.suggest.fault = SuggestFault::Canned;
            std::string status = request.get_param_value("status");
            state.suggest.canned = {status.empty() ? 200 : std::atoi(status.c_str()), request.get_param_value("type"),
                                    request.body};
        } else if (!SuggestFaultFromName(name, state.suggest.fault)) {
            return false;
        }
    }
    if (request.has_param("version") && !VersionFaultFromName(request.get_param_value("version"), state.version.fault))
        return false;
    if (request.has_param("egrul")) state.version.egrulDate = request.get_param_value("egrul");
    return true;
}

void Register(httplib::Server& server, ServerContext&) {
    Parties();
    server.Post("/_lookup", [](const httplib::Request& request, httplib::Response& response) {
        LookupState& state = State();
        std::lock_guard lock(state.mutex);
        bool ok = ApplyControl(request, state);
        response.status = ok ? 200 : 400;
        response.set_content(ok ? "OK\n" : "unknown lookup fault\n", "text/plain");
    });
    auto suggest = [](const httplib::Request& request, httplib::Response& response) {
        SuggestSettings settings;
        {
            std::lock_guard lock(State().mutex);
            settings = State().suggest;
        }
        Send(AnswerSuggest(ToRouteRequest(request), Parties(), settings), response);
    };
    // Every method reaches the route, which answers 405 to all but POST as the service does.
    server.Post(kSuggestPartyPath, suggest);
    server.Get(kSuggestPartyPath, suggest);
    server.Put(kSuggestPartyPath, suggest);
    server.Post(kFindPartyByIdPath, [](const httplib::Request& request, httplib::Response& response) {
        SuggestSettings settings;
        {
            std::lock_guard lock(State().mutex);
            settings = State().suggest;
        }
        Send(AnswerFindById(ToRouteRequest(request), Parties(), settings), response);
    });
    auto version = [](const httplib::Request& request, httplib::Response& response) {
        VersionSettings settings;
        {
            std::lock_guard lock(State().mutex);
            settings = State().version;
        }
        Send(AnswerVersion(ToRouteRequest(request), settings), response);
    };
    server.Get(kVersionPath, version);
    server.Post(kVersionPath, version);
}

const RouteModule module("lookup", &Register);

} // namespace
} // namespace kvilo::fake
