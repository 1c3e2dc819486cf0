#include "base/core_build.h"

#include "base/build_version.h"

extern "C" uint32_t KviloCoreBuildNumber() {
    return kvilo::base::kBuildNumber;
}
