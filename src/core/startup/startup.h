#pragma once
// The program's start and orderly end: the services are set up, the installation is checked, the main
// window runs, and the settings store is closed on every path. Every check that fails shows one message
// and ends the start before any window opens.
#include <cstdint>
#include <string>
#include <vector>

#include "core/startup/version_reader.h"

namespace kvilo::startup {

// What start-up needs to know about the installation it runs from.
class InstallationProbe {
public:
    virtual ~InstallationProbe() = default;
    virtual std::string ProgramPath() = 0; // the running program's full path
    virtual uint32_t ProgramBuild() = 0;   // the build the program was made with
    // What the core library in `programFolder` reports when loaded; 0 when it cannot be loaded.
    virtual uint32_t CoreBuild(const std::string& programFolder) = 0;
    // File names in the program folder of the first rows of the companion table, played by the program's
    // own libraries, in check order: the three storage drivers, then the core library.
    virtual std::vector<std::string> OwnLibraries() = 0;
    // Full paths of the remaining rows, as the loader resolved them: the memory manager, libcurl,
    // libxlsxwriter, zlib.
    virtual std::vector<std::string> SystemLibraries() = 0;
    virtual std::string DataFolder() = 0; // the folder for data files
};

// The services start-up sets up, runs and closes, in the order it calls them.
class StartupServices {
public:
    virtual ~StartupServices() = default;
    virtual void InitialiseErrorManager() = 0;
    virtual void OpenSettingsStore() = 0;
    virtual void SetUpListFormatStores() = 0;
    virtual void InstallLocaleTexts() = 0;
    virtual void SetDefaultFonts() = 0;
    virtual void InstallStorageErrorTexts() = 0;
    virtual std::string ResolveSettingsFile() = 0;
    virtual void RunMainWindow(int32_t buildDate) = 0;
    virtual void SaveListFormats() = 0;
    virtual void CloseSettingsStore() = 0;
};

// The number of companion libraries that must carry the program's build (the three storage drivers).
inline constexpr size_t kBuildCheckedLibraries = 3;
// The row of the core library among the program's own libraries.
inline constexpr size_t kCoreLibraryRow = 3;

// Runs the start, the main window and the end. Returns the process exit code: 0 after the main window
// closed, 1 when a check stopped the start.
int RunProgram(InstallationProbe& probe, StartupServices& services, VersionInfoReader& reader);

// The settings file path kept for the list-format stores ("lf.dat"); empty until start-up resolved it.
const std::string& SettingsFilePath();

} // namespace kvilo::startup
