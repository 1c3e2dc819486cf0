#pragma once
// Windows only: the update package there is the installer program itself. A Windows launcher's
// InstallPackage starts it with this command line.
#include <string>

namespace kvilo::platform {

// `installer` /SILENT /DIR="`programFolder`": installs silently over the running program's folder (which ends
// in "\").
std::string SilentInstallerCommandLine(const std::string& installer, const std::string& programFolder);

// Starts the installer with that command line without waiting for it; false when it cannot be started.
bool StartSilentInstaller(const std::string& installer, const std::string& programFolder);

} // namespace kvilo::platform
