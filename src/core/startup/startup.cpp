#include "core/startup/startup.h"

#include "core/startup/build_info.h"
#include "core/startup/companion_check.h"
#include "core/startup/split_path.h"
#include "platform/special_folders.h"

namespace kvilo::startup {
namespace {

std::string settingsFilePath;

// Steps from the build numbers to the data folder; false when one of them stopped the start.
bool CheckInstallation(InstallationProbe& probe, StartupServices& services, VersionInfoReader& reader) {
    std::string programPath = probe.ProgramPath();
    std::string programFolder = SplitPath(programPath, 1) + SplitPath(programPath, 2);
    uint32_t programBuild = probe.ProgramBuild();
    std::vector<std::string> own = probe.OwnLibraries();
    // A core library that is not there at all is named as missing, not taken for one of another build.
    if (own.size() > kCoreLibraryRow && !platform::FileExists(programFolder + own[kCoreLibraryRow])) {
        framework::ShowMessage(MissingCompanionMessage(programPath, programFolder + own[kCoreLibraryRow]));
        return false;
    }
    if (programBuild != probe.CoreBuild(programFolder)) {
        framework::ShowMessage(BuildMismatchMessage());
        return false;
    }
    CompanionCheck check(programPath, reader);
    for (size_t i = 0; i < own.size(); ++i) {
        int64_t expected = i < kBuildCheckedLibraries ? programBuild : 0;
        if (check.CheckCompanionFile(programFolder + own[i], expected, false)) return false;
    }
    for (const std::string& path : probe.SystemLibraries())
        if (check.CheckCompanionFile(path, 0, false)) return false;
    services.InstallStorageErrorTexts();
    if (!platform::FolderExists(probe.DataFolder())) {
        framework::ShowMessage(DataFolderMessage());
        return false;
    }
    return true;
}

} // namespace

int RunProgram(InstallationProbe& probe, StartupServices& services, VersionInfoReader& reader) {
    services.InitialiseErrorManager();
    services.OpenSettingsStore();
    services.SetUpListFormatStores();
    services.InstallLocaleTexts();
    services.SetDefaultFonts();
    bool started = CheckInstallation(probe, services, reader);
    if (started) {
        settingsFilePath = services.ResolveSettingsFile();
        services.RunMainWindow(BuildDate());
        services.SaveListFormats();
    }
    services.CloseSettingsStore();
    return started ? 0 : 1;
}

const std::string& SettingsFilePath() {
    return settingsFilePath;
}

} // namespace kvilo::startup
