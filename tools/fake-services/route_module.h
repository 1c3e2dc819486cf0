#pragma once
// Each group of routes lives in a source file of its own and registers itself with one static
// RouteModule; the program installs every registered module on both the HTTP and the HTTPS server.
//
//   namespace { void Register(httplib::Server& server, kvilo::fake::ServerContext& context) { ... } }
//   static const kvilo::fake::RouteModule module("suggestions", &Register);
//
// The source file must be listed in the program's sources (not in a static library, whose unused
// objects the linker would drop together with their registration).
#include <httplib.h>

#include <string>
#include <vector>

#include "fault_control.h"
#include "request_log.h"

namespace kvilo::fake {

// What every route may use: the fault modes the tests select and the log of received requests.
struct ServerContext {
    FaultControl& faults;
    RequestLog& log;
};

using RouteRegistrar = void (*)(httplib::Server& server, ServerContext& context);

class RouteModule {
public:
    RouteModule(std::string name, RouteRegistrar registrar);

    struct Entry {
        std::string name;
        RouteRegistrar registrar;
    };
    // Every module registered so far, in registration order.
    static const std::vector<Entry>& All();
};

} // namespace kvilo::fake
