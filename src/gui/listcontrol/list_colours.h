#pragma once
// The list control's colours: the format's 0x00BBGGRR values (-1 = the list's own colour) and Qt's.
#include <QColor>

namespace kvilo::listcontrol {

// An invalid QColor for -1 ("the list's own colour").
inline QColor ListColour(long bgr) {
    if (bgr < 0) return {};
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace kvilo::listcontrol
