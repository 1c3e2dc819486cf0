#include "gui/framework/program_font.h"

#include <QApplication>

#include "platform/font_match.h"

namespace kvilo::framework {

QFont ProgramFont(std::string_view name, int pointSize) {
    const std::string family = platform::MatchFontFamily(name);
    QFont font = QApplication::font();
    font.setFamilies({QString::fromStdString(family.empty() ? std::string(name) : family)});
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

} // namespace kvilo::framework
