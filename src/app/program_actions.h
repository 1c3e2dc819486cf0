#pragma once
// What the main window's buttons start in this version of the program, and the window's options from the
// command line.
#include <string>

#include "gui/browse/browse_window.h"

namespace kvilo::app {

// The maker's web site, opened by a click on the logo; the SITEURL parameter replaces it.
inline constexpr const char* kMakerSite = "https://www.tarvelo.ru/";

// The keyboard, the web site, the extract card and the export are real; the map's entry point says that the
// map is not there yet; the list settings and the update check are not built yet and show a message that
// says so.
lookup::BrowseActions ProgramBrowseActions();

// The main window's options: the build date, the service addresses and the demo flag from the command
// line (SUGGESTURL or VERSIONURL given: the window says it shows demo data), the program's actions.
browse::BrowseOptions ProgramBrowseOptions(int32_t buildDate);

// The message shown for a function that this version does not have yet.
void ShowNotBuiltYet(const std::string& what);

} // namespace kvilo::app
