// The routes through which tests steer the server: POST /_control selects faults, releases held answers or
// clears the state, GET /_requests reads back what the server received.
#include "route_module.h"

namespace kvilo::fake {
namespace {

void Control(const httplib::Request& request, httplib::Response& response, ServerContext& context) {
    const std::string action = request.get_param_value("action");
    if (action == "reset") {
        context.faults.Clear();
        context.log.Clear();
    } else if (action == "clear_faults") {
        context.faults.Clear();
    } else if (action == "clear_requests") {
        context.log.Clear();
    } else if (action == "release") {
        context.faults.Release();
    } else if (action == "fault") {
        const std::optional<Fault> fault = FaultFromParams(request.params);
        if (!fault) {
            response.status = 400;
            response.set_content("unknown fault mode\n", "text/plain");
            return;
        }
        context.faults.Add(*fault);
    } else {
        response.status = 400;
        response.set_content("unknown action\n", "text/plain");
        return;
    }
    response.set_content("OK\n", "text/plain");
}

void Register(httplib::Server& server, ServerContext& context) {
    server.Post("/_control", [&context](const httplib::Request& request, httplib::Response& response) {
        Control(request, response, context);
    });
    server.Get("/_requests", [&context](const httplib::Request&, httplib::Response& response) {
        response.set_content(context.log.Serialize(), "text/plain");
    });
}

const RouteModule module("control", &Register);

} // namespace
} // namespace kvilo::fake
