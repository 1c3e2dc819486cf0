#pragma once
// ColorPalette: the one palette of 35 colours from which the user picks every list colour. Grid and
// selection colours are kept as palette indexes (one byte each in the list-format stores); header text
// colours are kept in the format text as the colour value itself. Colour values are 0x00BBGGRR; -1 means no
// colour of its own (the control's default).
#include <array>
#include <cstddef>

namespace kvilo::listformat {

inline constexpr int kPaletteSize = 35;

// Index 1 to 35 -> colour; the array's element 0 is index 1.
inline constexpr std::array<long, kPaletteSize> ColorPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x0080FF, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0xE0E0E0,
    0xC0C0FF, 0x8080FF, 0xB5E4FF, 0x80C0FF, 0x8CB4D2, 0xC0FFFF, 0x80FFFF, 0xC0FFC0, 0x80FF80,
    0x9AFA00, 0xFFFFC0, 0xEBCE87, 0xFFBF00, 0xFFC0C0, 0xFFA776, 0xFFC0FF, 0xFF80FF};

// The colour of palette index `index`; -1 for 0 and for any index outside 1-35.
long PaletteColour(int index);

// The index whose colour equals `colour` exactly; 0 when the palette has no such colour (so black gives 1
// and -1 gives 0).
int PaletteIndex(long colour);

// The selected-text colour that reads on a selection bar of palette index `barIndex`: white on the dark
// bars (below 10, and 14), black on the others.
long SelectedTextColourOn(int barIndex);

} // namespace kvilo::listformat
