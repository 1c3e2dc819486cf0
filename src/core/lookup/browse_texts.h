#pragma once
// What the main lookup window shows and hands on that is not a widget: the region drop list's entries,
// the version text, the texts handed to the location map. No Qt here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::lookup {

struct RegionEntry {
    std::string text; // shown, e.g. "77. г. Москва"
    uint8_t code = 0; // stored in the region code, e.g. 77
};

// The region drop list's source text: 87 entries "shown text|#two-digit value|...".
std::string_view RegionListSource();

// The entries of a drop-list source text: each a shown text followed by "|#" and its value. A value that
// is not a number from 0 to 255 ends the list there, so a damaged source never yields a wrong code.
std::vector<RegionEntry> ParseRegionList(std::string_view source);

// "Версия Kvilo от dd.mm.yyyy г." for the build date.
std::string VersionText(int32_t buildDate);

// The three texts the location map receives for a row, in this order: the map caption of the name and the
// address (both trimmed, joined by ", "); the longitude; the latitude. Whether a row has a location at all
// is online::HasLocation.
struct MapArguments {
    std::string caption;
    std::string longitude;
    std::string latitude;
};

// The arguments for a row's name, address and coordinates (as the row holds them).
MapArguments MapArgumentsOf(std::string_view name, std::string_view address, std::string_view longitude,
                            std::string_view latitude);

// A hint broken into lines of at most `width` characters at blanks, for the tooltip.
std::string TooltipLines(std::string_view hint, size_t width = 40);

} // namespace kvilo::lookup
