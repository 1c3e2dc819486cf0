#include "server_setup.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace kvilo::fake {
namespace {

constexpr size_t kFloodBlock = 64 * 1024;

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

// The body as a content provider, whatever the route prepared.
httplib::ContentProvider TakeBody(httplib::Response& response) {
    if (response.content_provider_) return std::move(response.content_provider_);
    auto body = std::make_shared<std::string>(std::move(response.body));
    response.body.clear();
    response.content_length_ = body->size();
    return [body](size_t offset, size_t length, httplib::DataSink& sink) {
        return sink.write(body->data() + offset, length);
    };
}

// Keeps the announced length but ends the connection after `after` body bytes.
void CutBodyAfter(httplib::Response& response, size_t after) {
    httplib::ContentProvider inner = TakeBody(response);
    response.content_provider_ = [inner, after](size_t offset, size_t length, httplib::DataSink& sink) {
        if (offset >= after) return false; // closes the connection in the middle of the body
        return inner(offset, std::min(length, after - offset), sink);
    };
}

// Sends the announced body `step` bytes at a time, each after a pause: a server that trickles its answer.
void DripBody(httplib::Response& response, size_t step, int intervalMs) {
    httplib::ContentProvider inner = TakeBody(response);
    step = std::max<size_t>(step, 1);
    response.content_provider_ = [inner, step, intervalMs](size_t offset, size_t length, httplib::DataSink& sink) {
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        return inner(offset, std::min(length, step), sink);
    };
}

// Replaces the answer by `size` blanks, announced with their length or sent in chunks without one.
void FloodBody(httplib::Response& response, size_t size, bool chunked) {
    static const std::string blanks(kFloodBlock, ' ');
    const std::string type = response.get_header_value("Content-Type");
    response.body.clear();
    response.headers.erase("Content-Length");
    auto provider = [size](size_t offset, httplib::DataSink& sink) {
        if (offset >= size) {
            sink.done();
            return true;
        }
        return sink.write(blanks.data(), std::min(kFloodBlock, size - offset));
    };
    if (chunked) {
        response.set_chunked_content_provider(type, provider);
    } else {
        response.set_content_provider(
            size, type, [provider](size_t offset, size_t, httplib::DataSink& sink) { return provider(offset, sink); });
    }
}

void BeforeRouting(const httplib::Request& request, ServerContext& context) {
    RequestState& state = CurrentRequest();
    state = RequestState{};
    // The routes answer ranges themselves; left here, the library would cut every body once more.
    const_cast<httplib::Request&>(request).ranges.clear();
    if (IsControlPath(request.path)) return;
    // Taken before the request shows in the log: a test that sees it there and releases it frees it.
    state.fault = context.faults.Take(request);
    state.logIndex = context.log.Begin(request);
    if (!state.fault) return;
    if (state.fault->mode == Fault::Mode::Hold) {
        context.faults.Hold(*state.fault);
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
    if (state.fault && state.fault->mode == Fault::Mode::Drip)
        DripBody(response, state.fault->bytes, state.fault->intervalMs);
    if (state.fault && state.fault->mode == Fault::Mode::Flood)
        FloodBody(response, state.fault->bytes, state.fault->chunked);
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
