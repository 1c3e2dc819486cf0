#include "server_setup.h"

#include <algorithm>
#include <memory>

namespace kvilo::fake {
namespace {

bool IsControlPath(const std::string& path) {
    // The maker's version file at "/_version" is a service's route, not a control route.
    return path.rfind("/_", 0) == 0 && path != "/_version";
}

// Answers with the fault's status and a short text instead of whatever the route prepared.
void ReplaceWithStatus(httplib::Response& response, int status) {
    response.status = status;
    response.body = "fault: status " + std::to_string(status) + "\n";
    response.content_provider_ = nullptr;
    response.content_length_ = 0;
    response.headers.erase("Content-Range");
    response.set_header("Content-Type", "text/plain");
    response.set_header("Content-Length", std::to_string(response.body.size()));
}

// Keeps the announced length but ends the connection after `after` body bytes.
void CutBodyAfter(httplib::Response& response, size_t after) {
    httplib::ContentProvider inner = std::move(response.content_provider_);
    if (!inner) {
        auto body = std::make_shared<std::string>(std::move(response.body));
        response.body.clear();
        response.content_length_ = body->size();
        inner = [body](size_t offset, size_t length, httplib::DataSink& sink) {
            return sink.write(body->data() + offset, length);
        };
    }
    response.content_provider_ = [inner, after](size_t offset, size_t length, httplib::DataSink& sink) {
        if (offset >= after) return false; // closes the connection in the middle of the body
        return inner(offset, std::min(length, after - offset), sink);
    };
}

void BeforeRouting(const httplib::Request& request, ServerContext& context) {
    RequestState& state = CurrentRequest();
    state = RequestState{};
    // The routes answer ranges themselves; left here, the library would cut every body once more.
    const_cast<httplib::Request&>(request).ranges.clear();
    if (IsControlPath(request.path)) return;
    state.logIndex = context.log.Begin(request);
    state.fault = context.faults.Take(request);
    if (!state.fault) return;
    if (state.fault->mode == Fault::Mode::Hold) {
        context.faults.Hold();
    } else if (state.fault->mode == Fault::Mode::NoRanges) {
        const_cast<httplib::Request&>(request).headers.erase("Range");
        state.noAcceptRanges = true;
    }
}

void AfterRouting(const httplib::Request& request, httplib::Response& response, ServerContext& context) {
    RequestState& state = CurrentRequest();
    if (state.logIndex) context.log.SetBody(*state.logIndex, request.body);
    if (state.fault && state.fault->mode == Fault::Mode::Fail) ReplaceWithStatus(response, state.fault->status);
    // The library announces byte ranges on every header-only answer unless told otherwise.
    if (state.noAcceptRanges) response.headers.erase("Accept-Ranges");
    if (state.fault && state.fault->mode == Fault::Mode::Drop) state.dropAfter = state.fault->after;
    if (state.dropAfter) CutBodyAfter(response, *state.dropAfter);
    state = RequestState{};
}

} // namespace

void ConfigureServer(httplib::Server& server, ServerContext& context) {
    // Held answers keep a worker each; enough of them that the next request is never queued behind.
    server.new_task_queue = [] { return new httplib::ThreadPool(32); };
    server.set_keep_alive_timeout(2);
    server.set_pre_routing_handler([&context](const httplib::Request& request, httplib::Response&) {
        BeforeRouting(request, context);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_post_routing_handler([&context](const httplib::Request& request, httplib::Response& response) {
        AfterRouting(request, response, context);
    });
    for (const RouteModule::Entry& module : RouteModule::All())
        module.registrar(server, context);
}

} // namespace kvilo::fake
