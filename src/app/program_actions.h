#pragma once
// What the main window's buttons start in this version of the program, and the window's options from the
// command line.
#include <string>

#include "gui/browse/browse_window.h"

namespace kvilo::app {

// Every button's action: the keyboard, the web site (the maker's first address; SITEURL replaces it), the
// extract card, the export, the map, the list settings and the update check.
lookup::BrowseActions ProgramBrowseActions();

// The main window's options: the build date, the service addresses and the demo flag from the command
// line (SUGGESTURL or VERSIONURL given: the window says it shows demo data), the program's actions.
browse::BrowseOptions ProgramBrowseOptions(int32_t buildDate);

} // namespace kvilo::app
