#pragma once
// What the main window's buttons start in this version of the program, and the window's options from the
// command line.
#include <string>

#include "gui/browse/browse_window.h"

namespace kvilo::app {

// The keyboard, the web site (the maker's first address; SITEURL replaces it), the extract card, the export,
// the map and the update check are real; the list settings are not built yet and show a message that says
// so.
lookup::BrowseActions ProgramBrowseActions();

// The main window's options: the build date, the service addresses and the demo flag from the command
// line (SUGGESTURL or VERSIONURL given: the window says it shows demo data), the program's actions.
browse::BrowseOptions ProgramBrowseOptions(int32_t buildDate);

// The message shown for a function that this version does not have yet.
void ShowNotBuiltYet(const std::string& what);

} // namespace kvilo::app
