#pragma once
// Starting other programs, opening documents or web addresses and handing a package to the package
// installer, without waiting for them. The default launcher starts an executable file directly (its
// parameters split at blanks) and hands anything else to the desktop (xdg-open); a background thread
// collects each child's exit so that none is left a zombie. Texts are 1251. Tests install a recording one.
#include <string>
#include <vector>

namespace kvilo::platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens a file, folder or web address with the associated application (ShellExecute "open").
    virtual bool OpenDocument(const std::string& target, const std::string& parameters,
                              const std::string& workingFolder) = 0;
    // Starts a program without waiting for it.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Hands the program's downloaded update package to the system's package installer. On Linux that is the
    // desktop's application for .deb packages (GNOME Software, Discover, GDebi ...), which checks the
    // package and asks for the administrator's password; `programFolder` is not needed there. On Windows
    // the package is the installer itself, started silently into `programFolder`.
    virtual bool InstallPackage(const std::string& package, const std::string& programFolder) = 0;
};

// The process's launcher; SetLauncher(nullptr) restores the default. Returns the one replaced.
Launcher& CurrentLauncher();
Launcher* SetLauncher(Launcher* launcher);

} // namespace kvilo::platform
