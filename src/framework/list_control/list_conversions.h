#pragma once
// The list control's border between the program's values and Qt's: 1251 texts and 0x00BBGGRR colours.
#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace kvilo::framework {

inline QString ListText(std::string_view ansi) {
    const std::string utf8 = platform::AnsiToUtf8(ansi);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string AnsiText(const QString& text) {
    return platform::Utf8ToAnsi(text.toUtf8().toStdString());
}

// An invalid QColor for -1 ("the list's own colour").
inline QColor ListColour(long bgr) {
    if (bgr < 0) return {};
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline long BgrColour(const QColor& colour) {
    if (!colour.isValid()) return -1;
    return colour.red() | (colour.green() << 8) | (static_cast<long>(colour.blue()) << 16);
}

} // namespace kvilo::framework
