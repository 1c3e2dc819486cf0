#pragma once
#include <httplib.h>

#include "route_module.h"

namespace kvilo::fake {

// Installs the fault handling, the request log and every registered route module on one server.
void ConfigureServer(httplib::Server& server, ServerContext& context);

} // namespace kvilo::fake
