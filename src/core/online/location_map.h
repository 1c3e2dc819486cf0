#pragma once
// The one entry point through which windows show an entry on the location map. The card passes the entry's
// name, the main window its name and address; both pass the coordinates as received and ask HasLocation
// first. Texts are 1251. No Qt here: messages go through the presenter.
//
// The map window itself (download of the static map picture and its window) is not part of this build yet:
// StartLocationMap says so in a message instead of showing a map.
#include <string>
#include <string_view>

namespace kvilo::online {

// True when an entry carries both coordinates (each not blank): only then is there a place to show.
bool HasLocation(std::string_view latitude, std::string_view longitude);

// The map window's caption argument: "1" in a field of 10 characters, then `text` left-justified in a field
// of 200 (cut or padded with blanks), 210 characters in all.
std::string LocationMapCaption(std::string_view text);

// Shows the location given by `longitude` and `latitude` with `caption`. Takes copies of its texts, so the
// caller may close while the map is open.
void StartLocationMap(std::string caption, std::string longitude, std::string latitude);

} // namespace kvilo::online
