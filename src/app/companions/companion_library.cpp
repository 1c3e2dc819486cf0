// One of the program's own companion libraries in the program folder: the core library, the three
// storage drivers or the memory manager. Each carries the version resource of its build, which start-up
// reads back from the file; the core library also reports its build when loaded.
#include <cstdint>

#include "core/startup/version_resource.h"

#ifndef KVILO_COMPANION_ROLE
#error "the build names the library's role"
#endif

KVILO_VERSION_RESOURCE(KVILO_VERSION_MAJOR, KVILO_VERSION_MINOR, KVILO_VERSION_PATCH, KVILO_BUILD_NUMBER);

// The role this file plays in the installation (for diagnostics).
extern "C" __attribute__((visibility("default"))) const char* KviloCompanionRole() {
    return KVILO_COMPANION_ROLE;
}

// The build this library was made with; start-up compares it with the program's own build.
extern "C" __attribute__((visibility("default"))) uint32_t KviloCoreBuildNumber() {
    return KVILO_BUILD_NUMBER;
}
