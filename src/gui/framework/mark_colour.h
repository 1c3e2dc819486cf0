#pragma once
// The text colour of an entry that is gone or going (liquidated, being liquidated, bankrupt, reorganising):
// a red that stays readable on whatever background the user chose and on the selection bar.
#include <QColor>

namespace kvilo::framework {

// A red for text on `background`: the first of a strong red, a light red, a deep red and a pale red that
// reads well on it (a contrast of 4.5 or more), else the one of them with the best contrast.
QColor MarkTextColour(const QColor& background);

// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

} // namespace kvilo::framework
