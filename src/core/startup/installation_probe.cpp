#include "core/startup/installation_probe.h"

#include "core/startup/build_info.h"
#include "platform/loader.h"
#include "platform/special_folders.h"

namespace kvilo::startup {

std::string RunningInstallation::ProgramPath() {
    return platform::RunningProgramPath();
}

uint32_t RunningInstallation::ProgramBuild() {
    return kProgramBuild;
}

uint32_t RunningInstallation::CoreBuild(const std::string& programFolder) {
    platform::SharedLibrary core(programFolder + KVILO_CORE_LIBRARY);
    auto report = reinterpret_cast<uint32_t (*)()>(core.Symbol("KviloCoreBuildNumber"));
    return report ? report() : 0;
}

// The keyed-file, plain-text and raw-file storage drivers, the core library and the memory manager.
std::vector<std::string> RunningInstallation::OwnLibraries() {
    return {KVILO_KEYED_DRIVER_LIBRARY, KVILO_TEXT_DRIVER_LIBRARY, KVILO_RAW_DRIVER_LIBRARY, KVILO_CORE_LIBRARY,
            KVILO_MEMORY_LIBRARY};
}

// libcurl, libxlsxwriter and zlib as this process resolved them. A library the loader did not resolve is
// named by its bare file name, which does not exist, so the check reports it missing.
std::vector<std::string> RunningInstallation::SystemLibraries() {
    std::vector<std::string> paths;
    for (const char* prefix : {"libcurl.so", "libxlsxwriter.so", "libz.so"}) {
        std::string path = platform::LoadedLibraryPath(prefix);
        paths.push_back(path.empty() ? prefix : path);
    }
    return paths;
}

std::string RunningInstallation::DataFolder() {
    return platform::WorkingFolder();
}

} // namespace kvilo::startup
