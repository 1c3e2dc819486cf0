#include "xlsx/xlsx_color.h"

#include <array>
#include <utility>

namespace kvilo::xlsx {

namespace {

// Windows 10's default values of COLOR_SCROLLBAR (0) to COLOR_BTNHIGHLIGHT (20), as 0x00BBGGRR.
constexpr std::array<uint32_t, kLastSystemColor + 1> kDefaultSystemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF};

SystemColorSource& InstalledSource() {
    static SystemColorSource source;
    return source;
}

} // namespace

uint32_t DefaultSystemColor(int index) {
    if (index < 0 || index > kLastSystemColor) return 0;
    return kDefaultSystemColors[static_cast<size_t>(index)];
}

SystemColorSource SetSystemColorSource(SystemColorSource source) {
    return std::exchange(InstalledSource(), std::move(source));
}

uint32_t SystemColor(int index) {
    const SystemColorSource& source = InstalledSource();
    return source ? source(index) : DefaultSystemColor(index);
}

uint32_t ToXlsxColor(int32_t color) {
    auto c = static_cast<uint32_t>(color);
    if (c >= kSystemColorBase && c <= kSystemColorBase + kLastSystemColor)
        c = SystemColor(static_cast<int>(c - kSystemColorBase));
    if (c == 0) return kXlsxBlack;
    const uint32_t red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
    return red << 16 | green << 8 | blue;
}

} // namespace kvilo::xlsx
