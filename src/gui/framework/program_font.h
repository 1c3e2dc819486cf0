#pragma once
// The one place where the program's windows get their fonts. A window or a list asks for a font by the name
// the program knows it by ("Segoe UI" for every window, the list font names for lists) and gets the face
// that the system has for it (platform/font_match.h): a list set to "Calibri" on a machine without Calibri
// shows the closest match. What the caller asked for stays the caller's to keep.
#include <QFont>
#include <string_view>

namespace kvilo::framework {

// The windows' own font.
inline constexpr const char* kWindowFontName = "Segoe UI";

// The font for `name` (ASCII) at `pointSize` points; 0 keeps the application's default size.
QFont ProgramFont(std::string_view name, int pointSize = 0);

} // namespace kvilo::framework
