// kvilo-fake-services: the loopback stand-in for the outside web services, for tests and the demo.
//
//   kvilo-fake-services [--tls-dir <folder>] [--watch-stdin]
//
// Listens on 127.0.0.1 at ports the system chooses: HTTP, a raw listener for malformed answers and, with
// --tls-dir, HTTPS twice: with a certificate for 127.0.0.1 and with one for another host name. Both
// certificates are made for the run and written to <folder>/cert.pem, the file clients trust (CAFILE). When
// ready it prints one line
//   READY http=<port> https=<port or 0> otherhttps=<port or 0> raw=<port> cert=<file or nothing>
// and serves until it is terminated, or, with --watch-stdin, until its standard input ends (so it never
// outlives the test that started it).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "certificates.h"
#include "raw_listener.h"
#include "server_setup.h"

namespace {

struct Options {
    std::string tlsDir;
    bool watchStdin = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--watch-stdin") {
            options.watchStdin = true;
        } else if (arg == "--tls-dir" && i + 1 < argc) {
            options.tlsDir = argv[++i];
        } else {
            std::cerr << "kvilo-fake-services: unknown argument " << arg << "\n";
            return false;
        }
    }
    return true;
}

// An HTTPS server with a certificate made for this run; none when OpenSSL cannot make one.
std::unique_ptr<httplib::SSLServer> SecureServer(const kvilo::fake::Identity& identity,
                                                 kvilo::fake::ServerContext& context) {
    if (!identity.certificate) return nullptr;
    auto server = std::make_unique<httplib::SSLServer>(identity.certificate.get(), identity.key.get());
    if (!server->is_valid()) return nullptr;
    kvilo::fake::ConfigureServer(*server, context);
    return server;
}

void WaitForEndOfInput() {
    char buffer[256];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return 2;
    std::signal(SIGPIPE, SIG_IGN); // a client that hangs up must not end the server

    kvilo::fake::FaultControl faults;
    kvilo::fake::RequestLog log;
    kvilo::fake::ServerContext context{faults, log};

    httplib::Server http;
    kvilo::fake::ConfigureServer(http, context);
    const int httpPort = http.bind_to_any_port("127.0.0.1");

    std::unique_ptr<httplib::SSLServer> https;
    std::unique_ptr<httplib::SSLServer> otherHttps;
    int httpsPort = 0;
    int otherHttpsPort = 0;
    std::string certFile;
    if (!options.tlsDir.empty()) {
        const auto own = kvilo::fake::MakeIdentity("127.0.0.1", "IP:127.0.0.1,DNS:localhost");
        const std::string otherHost = kvilo::fake::kOtherHostName;
        const auto other = kvilo::fake::MakeIdentity(otherHost, "DNS:" + otherHost);
        certFile = options.tlsDir + "/cert.pem";
        https = SecureServer(own, context);
        otherHttps = SecureServer(other, context);
        if (!https || !otherHttps || !kvilo::fake::WriteCertificates(certFile, own, other)) {
            std::cerr << "kvilo-fake-services: cannot make the certificates in " << options.tlsDir << "\n";
            return 1;
        }
        httpsPort = https->bind_to_any_port("127.0.0.1");
        otherHttpsPort = otherHttps->bind_to_any_port("127.0.0.1");
    }
    kvilo::fake::RawListener raw;
    const int rawPort = raw.Start();
    if (httpPort <= 0 || httpsPort < 0 || otherHttpsPort < 0 || rawPort <= 0) {
        std::cerr << "kvilo-fake-services: cannot listen on 127.0.0.1\n";
        return 1;
    }

    std::vector<std::thread> listeners;
    listeners.emplace_back([&http] { http.listen_after_bind(); });
    for (httplib::SSLServer* server : {https.get(), otherHttps.get()}) {
        if (server) listeners.emplace_back([server] { server->listen_after_bind(); });
    }
    std::cout << "READY http=" << httpPort << " https=" << httpsPort << " otherhttps=" << otherHttpsPort
              << " raw=" << rawPort << " cert=" << certFile << std::endl;

    if (options.watchStdin) {
        WaitForEndOfInput();
        std::_Exit(0); // nothing to save; answers still in progress need not finish
    }
    for (std::thread& listener : listeners)
        listener.join();
    return 0;
}
