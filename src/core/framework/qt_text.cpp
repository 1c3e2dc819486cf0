#include "core/framework/qt_text.h"

#include "base/code_page.h"

namespace kvilo::framework {

QString ToQString(std::string_view ansi) {
    std::u16string wide;
    int error = 0;
    base::MultiByteToWide(ansi, base::kCodePage1251, wide, error);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQString(const QString& text) {
    std::string ansi;
    int error = 0;
    base::WideToMultiByte(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())),
        base::kCodePage1251, ansi, error);
    return ansi;
}

} // namespace kvilo::framework
