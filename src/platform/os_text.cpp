#include "platform/os_text.h"

#include "base/code_page.h"

namespace kvilo::platform {

std::string ToOsText(std::string_view ansi) {
    return base::AnsiToUtf8(ansi);
}

std::string FromOsText(std::string_view osText) {
    std::u16string wide;
    int error = 0;
    if (!base::MultiByteToWide(osText, base::kCodePageUtf8, wide, error)) return std::string(osText);
    std::string ansi;
    base::WideToMultiByte(wide, base::kCodePage1251, ansi, error);
    return ansi;
}

} // namespace kvilo::platform
