#include "platform/os_text.h"

#include "platform/code_page.h"

namespace kvilo::platform {

std::string ToOsText(std::string_view ansi) {
    return AnsiToUtf8(ansi);
}

std::string FromOsText(std::string_view osText) {
    std::u16string wide;
    int error = 0;
    if (!MultiByteToWide(osText, kCodePageUtf8, wide, error)) return std::string(osText);
    std::string ansi;
    WideToMultiByte(wide, kCodePage1251, ansi, error);
    return ansi;
}

} // namespace kvilo::platform
