// kvilo-fake-services: the loopback stand-in for the outside web services, for tests and the demo.
//
//   kvilo-fake-services [--cert cert.pem --key key.pem] [--watch-stdin]
//
// Listens on 127.0.0.1 at ports the system chooses: HTTP, HTTPS (only with a certificate and key) and a
// raw listener for malformed answers. When ready it prints one line
//   READY http=<port> https=<port or 0> raw=<port>
// and serves until it is terminated, or, with --watch-stdin, until its standard input ends (so it never
// outlives the test that started it).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "raw_listener.h"
#include "server_setup.h"

namespace {

struct Options {
    std::string cert;
    std::string key;
    bool watchStdin = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--watch-stdin") {
            options.watchStdin = true;
        } else if ((arg == "--cert" || arg == "--key") && i + 1 < argc) {
            (arg == "--cert" ? options.cert : options.key) = argv[++i];
        } else {
            std::cerr << "kvilo-fake-services: unknown argument " << arg << "\n";
            return false;
        }
    }
    return options.cert.empty() == options.key.empty();
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
    int httpsPort = 0;
    if (!options.cert.empty()) {
        https = std::make_unique<httplib::SSLServer>(options.cert.c_str(), options.key.c_str());
        if (!https->is_valid()) {
            std::cerr << "kvilo-fake-services: cannot load " << options.cert << " / " << options.key << "\n";
            return 1;
        }
        kvilo::fake::ConfigureServer(*https, context);
        httpsPort = https->bind_to_any_port("127.0.0.1");
    }
    kvilo::fake::RawListener raw;
    const int rawPort = raw.Start();
    if (httpPort <= 0 || httpsPort < 0 || rawPort <= 0) {
        std::cerr << "kvilo-fake-services: cannot listen on 127.0.0.1\n";
        return 1;
    }

    std::thread httpThread([&http] { http.listen_after_bind(); });
    std::thread httpsThread([&https] {
        if (https) https->listen_after_bind();
    });
    std::cout << "READY http=" << httpPort << " https=" << httpsPort << " raw=" << rawPort << std::endl;

    if (options.watchStdin) {
        WaitForEndOfInput();
        std::_Exit(0); // nothing to save; answers still in progress need not finish
    }
    httpThread.join();
    httpsThread.join();
    return 0;
}
