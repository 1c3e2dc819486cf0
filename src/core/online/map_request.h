#pragma once
// The static map request of the location map: the layer chosen by the caller's code, the coordinates as the
// service wants them and the request's address. Pure text work, no transfer here.
#include <string>
#include <string_view>

namespace kvilo::online {

// The static map service's scheme, host and port; the named parameter MAPURL replaces it.
inline constexpr const char* kDefaultMapBase = "https://static-maps.yandex.ru";

// The picture the service is asked for: 650 x 450 pixels (its largest), zoom 16.
inline constexpr int kMapWidth = 650;
inline constexpr int kMapHeight = 450;
inline constexpr int kMapZoom = 16;

// The base from MAPURL (trimmed), or the default.
std::string MapBaseFromParameters();

// The layer code in the first 10 characters of the map's first argument: the integer part of the number
// written there; 1 (street map) or 2 (street map with traffic), anything else counts as 1.
int LayerCodeOf(std::string_view firstArgument);

// "map" for code 1, "map,trf" for code 2.
std::string_view LayerName(int layerCode);

// A coordinate received as decimal text ("55.755826", " -37.6 "), or 0 when the text is missing, not a plain
// decimal number (no exponent, no comma, no "inf") or outside -180..180: 0 means "no GPS data".
double CoordinateOf(std::string_view text);

// A coordinate in fixed point with exactly 6 decimals, rounded, "-" when negative: 37.6173 gives "37.617300".
// The same in every locale.
std::string CoordinateText(double value);

// base + "/1.x/?ll=<lon>,<lat>&size=650,450&z=16&l=<layer>&pt=<lon>,<lat>,flag".
std::string MapUrl(std::string_view base, double longitude, double latitude, int layerCode);

} // namespace kvilo::online
