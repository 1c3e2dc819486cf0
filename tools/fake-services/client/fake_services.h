#pragma once
// Test support: starts kvilo-fake-services on free loopback ports for one test suite, steers its faults
// and reads back what it received. Usable from GoogleTest and Qt Test alike:
//
//   kvilo::testsupport::FakeServices server;
//   ASSERT_TRUE(server.Start()) << server.Error();
//   server.AddFault({.mode = "fail", .path = "/bytes/", .status = 404, .count = 2});
//   ... request server.HttpUrl("/bytes/100") ...
//   auto requests = server.Requests();
//
// The server process ends with Stop or the destructor, and on its own when the test process dies (it
// watches its standard input, which only this process holds).
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvilo::testsupport {

struct RecordedRequest {
    std::string method{};
    std::string target; // path and query as sent
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first value of the header, the name compared without letter case; "" when absent.
    std::string Header(std::string_view name) const;
    bool HasHeader(std::string_view name) const;
};

// See fault_control.h of the server for the meaning of each field.
struct FaultSpec {
    std::string mode{}; // "fail", "hold", "drop", "noranges", "drip" or "flood"
    std::string path{}; // request path prefix; "" = any
    std::string method{};
    int status = 500;
    int count = 1; // -1 = every matching request
    int skip = 0;
    size_t after = 0;
    bool perRange = false;
    size_t bytes = 0;
    int intervalMs = 0;
    bool chunked = false;
};

class FakeServices {
public:
    struct Options {
        bool https = false; // the server makes certificates for this run and listens with them
    };

    FakeServices() = default;
    explicit FakeServices(Options options) : options_(options) {}
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    // Starts the server and waits until it listens. False with Error() set when it could not.
    bool Start();
    void Stop();
    const std::string& Error() const { return error_; }

    int HttpPort() const { return httpPort_; }
    int HttpsPort() const { return httpsPort_; }
    int RawPort() const { return rawPort_; }
    std::string HttpUrl(std::string_view pathAndQuery) const;
    std::string HttpsUrl(std::string_view pathAndQuery) const;
    // The same routes behind a certificate made out to another host name: refused by every client that
    // checks host names, whatever it trusts.
    std::string OtherHostHttpsUrl(std::string_view pathAndQuery) const;
    std::string RawUrl(std::string_view pathAndQuery) const;
    // The server's certificates of this run, PEM (empty without HTTPS): the CAFILE of clients that verify.
    const std::string& CertificateFile() const { return certFile_; }

    // Clears the faults and the request log, and releases held answers.
    bool Reset();
    bool AddFault(const FaultSpec& fault);
    // Lets every answer held by a "hold" fault go on.
    bool ReleaseHeld();
    // Every request received since the last Reset, in arrival order; those whose target starts with
    // `prefix` when one is given.
    std::vector<RecordedRequest> Requests(std::string_view prefix = {}) const;

private:
    bool Control(const std::string& query) const;

    Options options_;
    std::string error_;
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    int stdoutFd_ = -1;
    int httpPort_ = 0;
    int httpsPort_ = 0;
    int otherHttpsPort_ = 0;
    int rawPort_ = 0;
    std::string runDir_;
    std::string certFile_;
};

// Parses the text of GET /_requests.
std::vector<RecordedRequest> ParseRequestLog(std::string_view text);

} // namespace kvilo::testsupport
