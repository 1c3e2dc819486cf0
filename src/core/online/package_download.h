#pragma once
// What the update window's " Да" does once it knows where the package goes: the download with the bar, the
// checks of what arrived, and either the hand-off to the package installer (choice 1) or the report of the
// saved package (choice 2). No windows here; messages go through the presenter.
#include <string>
#include <string_view>

#include "core/online/download_to_file.h"
#include "core/online/version_file.h"

namespace kvilo::online {

enum class UpdateMode {
    Install = 1, // "&1. Загрузить и установить": download, then the package installer
    SavePackage = 2, // "&2. Загрузить установочный комплект": download to a file the user names
};

// The package type of this platform, used when the link's own extension is unusable.
inline constexpr const char* kPackageExtension = ".deb";

// The access for a package: the given one, with room for a package (512 MB, an hour).
http::OutsideAccess PackageAccess(http::OutsideAccess access);

// Choice 1 needs the program installed on this machine: not when it runs from a network path ("//") or a
// path that is not absolute (one without a drive).
bool InstallAllowed(std::string_view programPath);

// The file name the link ends in ("kvilo_1.1.0_amd64.deb"); empty when it names no file.
std::string LinkFileName(std::string_view link);

// Where choice 1 downloads: the temporary folder, a new GUID name and the link's extension (or ".deb").
std::string InstallPackagePath(std::string_view link);

enum class PackageOutcome {
    NoAccess,         // an older file of that name could not be removed
    DownloadFailed,   // the transfer failed or the server answered with an error page
    Cancelled,        // the user stopped the download
    Missing,          // the transfer ended without a file
    ChecksumMismatch, // the file is not the one published (deleted)
    InstallerStarted, // choice 1: the package installer has it
    InstallerFailed,  // choice 1: no package installer could be started (the package is kept)
    Saved,            // choice 2: the package is where the user wanted it
};

// Downloads the published package to `path` (an older file there is removed first) and checks it against
// the published checksum, then hands it on as `mode` says. Nothing that failed is left at `path`.
// `programFolder` is where the installer puts the program on systems whose installer asks for it.
PackageOutcome FetchPackage(UpdateMode mode, const std::string& path, const PublishedVersion& published,
                            ProgressControl* progress, const http::OutsideAccess& access,
                            const std::string& programFolder);

// The message of an outcome (none for InstallerStarted and Cancelled).
void ReportPackageOutcome(PackageOutcome outcome, const std::string& path);

} // namespace kvilo::online
