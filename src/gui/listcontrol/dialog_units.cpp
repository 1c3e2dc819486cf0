#include "gui/listcontrol/dialog_units.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace kvilo::listcontrol {

double DialogUnitPixels(const QFont& font) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetricsF(font).horizontalAdvance(alphabet) / alphabet.size() / 4;
}

int UnitsToPixels(const QFont& font, int units) {
    return static_cast<int>(std::lround(units * DialogUnitPixels(font)));
}

int PixelsToUnits(const QFont& font, int pixels) {
    return static_cast<int>(std::lround(pixels / std::max(0.25, DialogUnitPixels(font))));
}

} // namespace kvilo::listcontrol
