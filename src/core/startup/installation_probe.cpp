#include "core/startup/installation_probe.h"

#include "platform/loader.h"
#include "platform/special_folders.h"

namespace kvilo::startup {

std::string RunningInstallation::ProgramPath() {
    return platform::RunningProgramPath();
}

// The program already runs on the core library its loader found; loading it again by its path in the program
// folder asks that very file, which is the one the check names.
uint32_t RunningInstallation::CoreBuild(const std::string& programFolder) {
    platform::SharedLibrary core(programFolder + KVILO_CORE_LIBRARY);
    auto report = reinterpret_cast<uint32_t (*)()>(core.Symbol("KviloCoreBuildNumber"));
    return report ? report() : 0;
}

std::vector<std::string> RunningInstallation::OwnLibraries() {
    return {KVILO_KEYED_DRIVER_LIBRARY, KVILO_TEXT_DRIVER_LIBRARY, KVILO_RAW_DRIVER_LIBRARY, KVILO_CORE_LIBRARY};
}

// A library the loader did not resolve is named by its bare file name, which does not exist, so the check
// reports it missing.
std::vector<std::string> RunningInstallation::SystemLibraries() {
    std::vector<std::string> paths;
    for (const char* prefix : {"libc.so", "libcurl.so", "libxlsxwriter.so", "libz.so"}) {
        std::string path = platform::LoadedLibraryPath(prefix);
        paths.push_back(path.empty() ? prefix : path);
    }
    return paths;
}

std::string RunningInstallation::DataFolder() {
    return platform::WorkingFolder();
}

} // namespace kvilo::startup
