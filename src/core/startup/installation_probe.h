#pragma once
// The installation the program actually runs from: its own path and build, the core library loaded from
// the program folder, the program's own libraries there, and the shared libraries the loader resolved.
//
// The rows of the companion table are played by files the program really loads:
//   1 keyed-file storage driver  the list-format library, which keeps the list formats in "lf.dat"
//   2 plain-text file driver     the core framework library, which keeps the settings and the error log
//                                in plain-text files
//   3 raw binary file driver     the platform library, whose file class does the raw reads and writes
//   4 core runtime               the base library under every other one, which reports its build
//   5 memory manager             the C library (malloc) as the loader resolved it
//   6-8                          libcurl, libxlsxwriter and zlib as the loader resolved them
#include "core/startup/startup.h"

namespace kvilo::startup {

class RunningInstallation : public InstallationProbe {
public:
    // `programBuild` is the build the running program was compiled with (main passes its own).
    explicit RunningInstallation(uint32_t programBuild) : programBuild_(programBuild) {}

    std::string ProgramPath() override;
    uint32_t ProgramBuild() override { return programBuild_; }
    uint32_t CoreBuild(const std::string& programFolder) override;
    std::vector<std::string> OwnLibraries() override;
    std::vector<std::string> SystemLibraries() override;
    std::string DataFolder() override;

private:
    uint32_t programBuild_;
};

} // namespace kvilo::startup
