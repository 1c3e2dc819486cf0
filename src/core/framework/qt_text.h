#pragma once
// The border between the program's 1251 text and Qt's QString. Every widget text crosses it here.
#include <QString>
#include <string>
#include <string_view>

namespace kvilo::framework {

// 1251 bytes (up to the first zero byte) as a QString.
QString ToQString(std::string_view ansi);
// A QString as 1251 bytes; a character that 1251 lacks becomes "?".
std::string FromQString(const QString& text);

} // namespace kvilo::framework
