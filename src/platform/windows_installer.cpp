// Compiled only in a Windows build.
#include "platform/windows_installer.h"

#include <windows.h>

namespace kvilo::platform {

std::string SilentInstallerCommandLine(const std::string& installer, const std::string& programFolder) {
    return installer + " /SILENT /DIR=\"" + programFolder + "\"";
}

bool StartSilentInstaller(const std::string& installer, const std::string& programFolder) {
    std::string commandLine = SilentInstallerCommandLine(installer, programFolder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace kvilo::platform
