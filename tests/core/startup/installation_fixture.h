#pragma once
// A program folder made for one test: copies of this build's libraries that play the storage drivers and the
// core library beside an empty program file, stand-ins for the four system libraries, and a data folder;
// the probe reports them as start-up would see them. Tests remove or replace files to break the installation.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/startup/build_info.h"
#include "core/startup/startup.h"

namespace kvilo::startup {

class InstallationFixture : public InstallationProbe {
public:
    InstallationFixture();
    ~InstallationFixture() override;

    std::filesystem::path Folder() const { return root_ / "program"; }
    std::string LibraryPath(size_t row) const;       // rows 0..3 of the own libraries
    std::string SystemLibraryPath(size_t row) const; // rows 0..3 of the system libraries
    // A copy of this build's keyed-file driver that carries version 3.5.1.4711 instead, outside the folder.
    std::string OtherBuildLibrary();
    void RemoveDataFolder();

    std::string ProgramPath() override;
    uint32_t ProgramBuild() override { return programBuild; }
    uint32_t CoreBuild(const std::string& programFolder) override;
    std::vector<std::string> OwnLibraries() override { return ownLibraries_; }
    std::vector<std::string> SystemLibraries() override;
    std::string DataFolder() override { return (root_ / "data").string(); }

    uint32_t programBuild = kProgramBuild;
    uint32_t coreBuild = kProgramBuild;
    std::string coreFolderSeen;

private:
    std::filesystem::path root_;
    std::vector<std::string> ownLibraries_;
};

// Copies the ELF file `from` to `to` with the version in its version note replaced; false when `from`
// carries no version note.
bool CopyWithVersion(const std::string& from, const std::string& to, uint16_t major, uint16_t minor, uint16_t patch,
                     uint16_t build);

} // namespace kvilo::startup
