// Generated resources for the download tests: bodies of any size with real byte ranges, the same without
// ranges, proposed file names, a refused header-only request, an early close, a redirect, an empty body.
#include <cstdlib>
#include <memory>

#include "generated_resource.h"
#include "resource_bytes.h"
#include "route_module.h"

namespace kvilo::fake {
namespace {

constexpr size_t kBlock = 64 * 1024;

struct ByteRange {
    uint64_t first = 0;
    uint64_t last = 0;
    bool satisfiable = false;
};

// A single "bytes=a-b", "bytes=a-" or "bytes=-n" range; empty for anything else (served whole).
std::optional<ByteRange> ParseRange(const std::string& header, uint64_t size) {
    if (header.rfind("bytes=", 0) != 0 || header.find(',') != std::string::npos) return std::nullopt;
    const std::string spec = header.substr(6);
    const size_t dash = spec.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const std::string first = spec.substr(0, dash);
    const std::string last = spec.substr(dash + 1);
    ByteRange range;
    if (first.empty()) {
        if (last.empty()) return std::nullopt;
        const uint64_t suffix = std::strtoull(last.c_str(), nullptr, 10);
        range.first = suffix >= size ? 0 : size - suffix;
        range.last = size == 0 ? 0 : size - 1;
        range.satisfiable = size > 0 && suffix > 0;
        return range;
    }
    range.first = std::strtoull(first.c_str(), nullptr, 10);
    range.last = last.empty() ? UINT64_MAX : std::strtoull(last.c_str(), nullptr, 10);
    if (range.last < range.first) return std::nullopt;
    range.satisfiable = range.first < size;
    if (range.last >= size) range.last = size == 0 ? 0 : size - 1;
    return range;
}

void SetGeneratedBody(httplib::Response& response, uint64_t first, uint64_t length) {
    response.set_content_provider(static_cast<size_t>(length), "application/octet-stream",
                                  [first](size_t offset, size_t length, httplib::DataSink& sink) {
                                      const std::string block = ResourceBytes(first + offset, std::min(length, kBlock));
                                      return sink.write(block.data(), block.size());
                                  });
}

} // namespace

void ServeGenerated(const httplib::Request& request, httplib::Response& response, uint64_t size, bool ranges) {
    if (!ranges) {
        CurrentRequest().noAcceptRanges = true;
        response.status = 200;
        SetGeneratedBody(response, 0, size);
        return;
    }
    response.set_header("Accept-Ranges", "bytes");
    const std::optional<ByteRange> range = ParseRange(request.get_header_value("Range"), size);
    if (!range) {
        response.status = 200;
        SetGeneratedBody(response, 0, size);
        return;
    }
    if (!range->satisfiable) {
        response.status = 416;
        response.set_header("Content-Range", "bytes */" + std::to_string(size));
        return;
    }
    response.status = 206;
    response.set_header("Content-Range", "bytes " + std::to_string(range->first) + "-" + std::to_string(range->last) +
                                             "/" + std::to_string(size));
    SetGeneratedBody(response, range->first, range->last - range->first + 1);
}

namespace {

uint64_t SizeFrom(const httplib::Request& request) {
    return std::strtoull(request.matches[1].str().c_str(), nullptr, 10);
}

void Register(httplib::Server& server, ServerContext&) {
    server.Get(R"(/bytes/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        ServeGenerated(request, response, SizeFrom(request), true);
    });
    server.Get(R"(/norange/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        ServeGenerated(request, response, SizeFrom(request), false);
    });
    // ?name=<file name>&quoted=1 proposes the name in a Content-Disposition header.
    server.Get(R"(/disposition/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        const std::string name = request.get_param_value("name");
        const bool quoted = request.get_param_value("quoted") == "1";
        response.set_header("Content-Disposition", "attachment; filename=" + (quoted ? "\"" + name + "\"" : name));
        ServeGenerated(request, response, SizeFrom(request), true);
    });
    // Refuses the header-only request as some servers do; the body itself is served with ranges.
    server.Get(R"(/nohead/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        if (request.method == "HEAD") {
            CurrentRequest().noAcceptRanges = true;
            response.status = 405;
            response.set_header("Allow", "GET");
            return;
        }
        ServeGenerated(request, response, SizeFrom(request), true);
    });
    // ?after=<n>: announces the whole length, sends n bytes, then closes the connection.
    server.Get(R"(/drop/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        CurrentRequest().dropAfter = std::strtoull(request.get_param_value("after").c_str(), nullptr, 10);
        ServeGenerated(request, response, SizeFrom(request), false);
    });
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("kvilo fake services\n", "text/plain");
    });
    server.Get("/empty", [](const httplib::Request&, httplib::Response& response) {
        CurrentRequest().noAcceptRanges = true;
        response.status = 200;
        response.set_header("Content-Length", "0");
    });
    // ?to=<path>: a temporary redirect there.
    server.Get("/redirect", [](const httplib::Request& request, httplib::Response& response) {
        response.set_redirect(request.get_param_value("to"), 302);
    });
    server.Get(R"(/status/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        response.status = std::atoi(request.matches[1].str().c_str());
        response.set_content("status " + request.matches[1].str() + "\n", "text/plain");
    });
    // Accepts any body; the test reads what arrived from the request log.
    server.Post("/echo", [](const httplib::Request& request, httplib::Response& response) {
        response.set_content(request.body, "application/octet-stream");
    });
    server.Get("/echo", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("GET\n", "text/plain");
    });
}

const RouteModule module("transfer", &Register);

} // namespace
} // namespace kvilo::fake
