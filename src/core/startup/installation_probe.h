#pragma once
// The installation the program actually runs from: its own path and build, the core library loaded from
// the program folder, its companion libraries, and the shared libraries the loader resolved.
#include "core/startup/startup.h"

namespace kvilo::startup {

class RunningInstallation : public InstallationProbe {
public:
    std::string ProgramPath() override;
    uint32_t ProgramBuild() override;
    uint32_t CoreBuild(const std::string& programFolder) override;
    std::vector<std::string> OwnLibraries() override;
    std::vector<std::string> SystemLibraries() override;
    std::string DataFolder() override;
};

} // namespace kvilo::startup
