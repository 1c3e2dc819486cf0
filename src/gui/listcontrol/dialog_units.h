#pragma once
// Widths in list formats are horizontal dialog units: a quarter of the font's average character width,
// taken as Windows takes it for dialogs, over the 52 Latin letters. The font's own "average width" of
// every glyph it has is narrower than that for most Linux fonts (DejaVu Sans), and the designed columns
// would then cut their designed headers and codes short.
#include <QFont>

namespace kvilo::listcontrol {

// Pixels per horizontal dialog unit of `font` (fractional, so that a width keeps its size across fonts).
double DialogUnitPixels(const QFont& font);
int UnitsToPixels(const QFont& font, int units);
int PixelsToUnits(const QFont& font, int pixels);

} // namespace kvilo::listcontrol
