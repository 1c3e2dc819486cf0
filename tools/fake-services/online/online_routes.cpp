// The online extras' services on the fake server: the maker's site and the static map, plus their control
// routes through which a test selects their answers.
//   POST /_site?[host=<name>]&[date=dd.mm.yyyy]&[link=package|none|http|long|missing]
//              &[checksum=right|none|wrong|garbled]&[version=canned (the request body is the file)]
//        sets the answer of the site reached under that host name (127.0.0.1 or localhost: the program's two
//        addresses of the site); without host, of every name. reset=1 first returns all to the default.
//   POST /_map?answer=picture|empty|html|error   what the static map answers: its picture, a 200 answer without
//        a body, a 200 HTML page, or its XML error with status 400 (reset by answer=picture)
// The fake server's general faults (POST /_control) apply to these routes as to any other: "hold" makes a
// slow answer, "fail" an error page.
#include <map>
#include <mutex>

#include "generated_resource.h"
#include "maker_site.h"
#include "route_module.h"
#include "static_map.h"

namespace kvilo::fake {
namespace {

enum class MapMode { Picture, Empty, Html, Error };

struct OnlineState {
    std::mutex mutex;
    SiteSettings site;                           // every host name without settings of its own
    std::map<std::string, SiteSettings> perHost; // host names set apart
    MapMode map = MapMode::Picture;
};

OnlineState& State() {
    static OnlineState state;
    return state;
}

template <class Enum>
bool Choose(const std::string& word, std::initializer_list<std::pair<const char*, Enum>> names, Enum& value) {
    for (const auto& [name, choice] : names) {
        if (word == name) {
            value = choice;
            return true;
        }
    }
    return false;
}

bool ApplySite(const httplib::Request& request, SiteSettings& site) {
    if (request.has_param("date")) site.date = request.get_param_value("date");
    if (request.has_param("link") && !Choose(request.get_param_value("link"),
                                             {{"package", SiteLink::Package},
                                              {"none", SiteLink::None},
                                              {"http", SiteLink::Http},
                                              {"long", SiteLink::Long},
                                              {"missing", SiteLink::Missing}},
                                             site.link))
        return false;
    if (request.has_param("checksum") && !Choose(request.get_param_value("checksum"),
                                                 {{"right", SiteChecksum::Right},
                                                  {"none", SiteChecksum::None},
                                                  {"wrong", SiteChecksum::Wrong},
                                                  {"garbled", SiteChecksum::Garbled}},
                                                 site.checksum))
        return false;
    if (request.get_param_value("version") == "canned") site.canned = request.body;
    return true;
}

bool ApplySiteControl(const httplib::Request& request, OnlineState& state) {
    if (request.get_param_value("reset") == "1") {
        state.site = {};
        state.perHost.clear();
    }
    if (!request.has_param("host")) return ApplySite(request, state.site);
    auto [entry, added] = state.perHost.try_emplace(request.get_param_value("host"), state.site);
    return ApplySite(request, entry->second);
}

// The host name the client used, without the port.
std::string HostName(const httplib::Request& request) {
    const std::string host = request.get_header_value("Host");
    return host.substr(0, host.rfind(':'));
}

SiteSettings SiteFor(const std::string& host) {
    OnlineState& state = State();
    std::lock_guard lock(state.mutex);
    const auto entry = state.perHost.find(host);
    return entry == state.perHost.end() ? state.site : entry->second;
}

void Reply(httplib::Response& response, bool ok) {
    response.status = ok ? 200 : 400;
    response.set_content(ok ? "OK\n" : "unknown setting\n", "text/plain");
}

void NotFound(httplib::Response& response) {
    response.status = 404;
    response.set_content("<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>\n",
                         "text/html");
}

void AnswerMap(const httplib::Request& request, httplib::Response& response) {
    MapMode mode;
    {
        std::lock_guard lock(State().mutex);
        mode = State().map;
    }
    if (mode == MapMode::Empty) {
        response.status = 200;
        response.set_header("Content-Type", "image/png");
        response.set_header("Content-Length", "0");
        return;
    }
    if (mode == MapMode::Html) {
        response.set_content("<html><body><p>Service temporarily unavailable</p></body></html>\n", "text/html");
        return;
    }
    if (mode == MapMode::Error) {
        const MapAnswer answer = MapError("Wrong size: 703,450");
        response.status = answer.status;
        response.set_content(answer.body, answer.contentType);
        return;
    }
    const MapQuery query{request.get_param_value("ll"), request.get_param_value("size"), request.get_param_value("z"),
                         request.get_param_value("l"), request.get_param_value("pt")};
    const MapAnswer answer = AnswerStaticMap(query);
    response.status = answer.status;
    response.set_content(answer.body, answer.contentType);
}

void Register(httplib::Server& server, ServerContext&) {
    const std::string scheme = dynamic_cast<httplib::SSLServer*>(&server) != nullptr ? "https://" : "http://";
    server.Post("/_site", [](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(State().mutex);
        Reply(response, ApplySiteControl(request, State()));
    });
    server.Post("/_map", [](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(State().mutex);
        Reply(response, Choose(request.get_param_value("answer"),
                               {{"picture", MapMode::Picture},
                                {"empty", MapMode::Empty},
                                {"html", MapMode::Html},
                                {"error", MapMode::Error}},
                               State().map));
    });
    server.Get("/_version", [scheme](const httplib::Request& request, httplib::Response& response) {
        const std::string origin = scheme + request.get_header_value("Host");
        response.set_content(VersionFileText(SiteFor(HostName(request)), origin), "text/plain");
    });
    server.Get(R"(/download/(.+))", [](const httplib::Request& request, httplib::Response& response) {
        if (request.path != kPackagePath) return NotFound(response);
        ServeGenerated(request, response, kPackageSize, true);
        response.set_header("Content-Type", "application/vnd.debian.binary-package");
    });
    server.Get("/1.x/", AnswerMap);
}

const RouteModule module("online", &Register);

} // namespace
} // namespace kvilo::fake
