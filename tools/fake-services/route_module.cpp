#include "route_module.h"

namespace kvilo::fake {
namespace {

// Built on first use, so registrations from any translation unit find it constructed.
std::vector<RouteModule::Entry>& Registry() {
    static std::vector<RouteModule::Entry> entries;
    return entries;
}

} // namespace

RouteModule::RouteModule(std::string name, RouteRegistrar registrar) {
    Registry().push_back({std::move(name), registrar});
}

const std::vector<RouteModule::Entry>& RouteModule::All() {
    return Registry();
}

} // namespace kvilo::fake
