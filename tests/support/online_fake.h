#pragma once
// The online extras' side of the fake services: the maker's site and the static map, steered through their
// control routes (tools/fake-services/online/online_routes.cpp). The site answers under two host names,
// 127.0.0.1 and localhost, which play the program's two addresses of the site.
#include <httplib.h>

#include <string>

#include "fake_services.h"

namespace kvilo::testing {

// POST /_site?<query>, the request body becoming a canned version file when the query says version=canned.
inline bool SiteControl(const testsupport::FakeServices& server, const std::string& query,
                        const std::string& body = {}) {
    httplib::Client client("127.0.0.1", server.HttpPort());
    httplib::Result result = client.Post("/_site?" + query, body, "text/plain");
    return result && result->status == 200;
}

// POST /_map?answer=<answer> (picture, empty, html, error).
inline bool MapControl(const testsupport::FakeServices& server, const std::string& answer) {
    httplib::Client client("127.0.0.1", server.HttpPort());
    httplib::Result result = client.Post("/_map?answer=" + answer, "", "text/plain");
    return result && result->status == 200;
}

// The site under its second name: the same server reached as "localhost".
inline std::string SecondSiteUrl(const testsupport::FakeServices& server) {
    return "https://localhost:" + std::to_string(server.HttpsPort());
}

// An address where nothing answers: connecting is refused at once.
inline constexpr const char* kRefusedUrl = "https://127.0.0.1:1";

} // namespace kvilo::testing
