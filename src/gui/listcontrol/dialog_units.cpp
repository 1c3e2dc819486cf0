#include "gui/listcontrol/dialog_units.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace kvilo::listcontrol {

double DialogUnitPixels(const QFont& font) {
    // Every column and every painted cell asks, nearly always for the list's one font, and measuring
    // means shaping 52 letters: the last answer is kept.
    thread_local QFont lastFont;
    thread_local double lastPixels = 0;
    if (lastPixels > 0 && font == lastFont) return lastPixels;
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    lastPixels = QFontMetricsF(font).horizontalAdvance(alphabet) / alphabet.size() / 4;
    lastFont = font;
    return lastPixels;
}

int UnitsToPixels(const QFont& font, int units) {
    return static_cast<int>(std::lround(units * DialogUnitPixels(font)));
}

int PixelsToUnits(const QFont& font, int pixels) {
    return static_cast<int>(std::lround(pixels / std::max(0.25, DialogUnitPixels(font))));
}

} // namespace kvilo::listcontrol
