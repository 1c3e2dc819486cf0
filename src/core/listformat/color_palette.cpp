#include "core/listformat/color_palette.h"

namespace kvilo::listformat {

long PaletteColour(int index) {
    if (index < 1 || index > kPaletteSize) return -1;
    return ColorPalette[static_cast<std::size_t>(index - 1)];
}

int PaletteIndex(long colour) {
    for (int index = 1; index <= kPaletteSize; ++index)
        if (ColorPalette[static_cast<std::size_t>(index - 1)] == colour) return index;
    return 0;
}

long SelectedTextColourOn(int barIndex) {
    return barIndex < 10 || barIndex == 14 ? 0xFFFFFF : 0x000000;
}

} // namespace kvilo::listformat
