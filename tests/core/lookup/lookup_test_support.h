#pragma once
// What the lookup's service tests share: the fake services over HTTPS with their lookup control, a view
// that records what the lookup did to the window and when it ran its transfers, and a port nothing listens
// on.
#include <httplib.h>

#include <string>
#include <vector>

#include "core/lookup/lookup_services.h"
#include "core/lookup/lookup_view.h"
#include "fake_services.h"

namespace kvilo::lookup::testing {

// Sets the lookup routes' error answers (POST /_lookup); see tools/fake-services/lookup/lookup_routes.cpp.
inline bool LookupControl(const testsupport::FakeServices& server, const std::string& query,
                          const std::string& body = {}, const std::string& type = "text/plain") {
    httplib::Client client("127.0.0.1", server.HttpPort());
    httplib::Result result = client.Post("/_lookup?" + query, body, type.c_str());
    return result && result->status == 200;
}

// A loopback port that was free a moment ago: connecting to it is refused.
int ClosedPort();

// Both services at the fake's HTTPS address, its certificate trusted as the program's CAFILE would have it.
inline LookupServices FakeLookupServices(const testsupport::FakeServices& server) {
    LookupServices services;
    services.urls = {server.HttpsUrl(""), server.HttpsUrl("")};
    services.access.trustAnchorsFile = server.CertificateFile();
    return services;
}

class RecordingView : public LookupView {
public:
    void ShowStatusLine(const std::string& line) override { statusLines.push_back(line); }
    void FocusQuery() override { events.push_back("focus query"); }
    void FocusList() override { events.push_back("focus list"); }
    void Refresh() override { events.push_back("refresh"); }
    void SelectRow(size_t index) override { events.push_back("select " + std::to_string(index)); }
    void EnableRowButtons(bool enable) override { events.push_back(enable ? "enable buttons" : "disable buttons"); }
    void ShowAddressLine(const std::string& address) override {
        events.push_back("address");
        addressLine = address;
    }
    void RunTransfer(const std::function<void()>& transfer) override {
        events.push_back("transfer");
        transfer();
    }

    std::vector<std::string> statusLines;
    std::vector<std::string> events;
    std::string addressLine;
};

} // namespace kvilo::lookup::testing
