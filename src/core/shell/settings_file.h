#pragma once
// Where the list-format settings file "lf.dat" lives: the folder named by the FPATH parameter, else a
// per-user folder under the local data folder, else the working folder.
#include <string>
#include <string_view>

#include "core/shell/system_folders.h"

namespace kvilo::shell {

inline constexpr const char* kSettingsFileName = "lf.dat";

// The full path of "lf.dat" for the per-user subfolder `subfolderName` ("Egrul" at start-up). A FPATH
// folder that does not exist is reported once in a message box and then passed over; a per-user folder
// that cannot be named or created is passed over silently.
std::string ResolveSettingsFile(std::string_view subfolderName);
std::string ResolveSettingsFile(std::string_view subfolderName, SystemFolders& folders);

} // namespace kvilo::shell
