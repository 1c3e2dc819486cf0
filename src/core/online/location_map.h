#pragma once
// The location map: a static map picture of an entry's place, downloaded into a temporary PNG and shown in
// the picture window until the user closes it; the file is deleted then. The card passes the entry's name,
// the main window its name and address; both pass the coordinates as received and ask HasLocation first.
// Texts are 1251. No Qt here: the picture window is opened through the ImageCardOpener that the program
// installs, messages go through the presenter.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "http/outside_session.h"

namespace kvilo::online {

// True when an entry carries both coordinates (each not blank): only then is there a place to show.
bool HasLocation(std::string_view latitude, std::string_view longitude);

// The map window's caption argument: "1" in a field of 10 characters, then `text` left-justified in a field
// of 200 (cut or padded with blanks), 210 characters in all.
std::string LocationMapCaption(std::string_view text);

// Opens the picture window. Installed by the program; without one no picture can be shown.
class ImageCardOpener {
public:
    virtual ~ImageCardOpener() = default;
    // Shows the picture in `path` with `caption` and returns at once (from any thread); `closed` is called
    // exactly once, from any thread, when the window has closed or could not open.
    virtual void Open(const std::string& path, const std::string& caption, std::function<void()> closed) = 0;
};

// Installs `opener` for the process (nullptr: none) and returns the one it replaces.
ImageCardOpener* SetImageCardOpener(ImageCardOpener* opener);

// The access for a map picture: the given one, the answer bounded to 8 MB (a 650 x 450 picture is far less).
http::OutsideAccess MapAccess(http::OutsideAccess access);

// True when the file starts with the PNG signature.
bool IsPngFile(std::string_view path);

// Shows one map on the calling thread and returns when its window has closed: `spec` holds the layer code
// in its first 10 characters and the caption after them; the coordinates are decimal texts. No GPS data
// (a coordinate missing, not a number or 0) is said in a message and nothing is requested; a failed
// transfer shows nothing; an answer without a body, or one that is not a PNG picture (an error page),
// is said in a message. The temporary picture never outlives the call.
void ShowLocationMap(std::string_view spec, std::string_view longitude, std::string_view latitude,
                     const http::OutsideAccess& access);

// Runs ShowLocationMap on a thread of its own with copies of its texts and the command line's access, and
// returns at once, so the caller stays usable while the map loads and while it is open.
void StartLocationMap(std::string spec, std::string longitude, std::string latitude);

// Ends the downloads of the maps still loading (the program is closing); each such map then shows nothing.
void AbortLocationMaps();
// The maps started and not yet finished (loading, or open in their window).
size_t RunningLocationMaps();
// Waits until every map started so far has finished.
void WaitForLocationMaps();

} // namespace kvilo::online
