#include "core/listformat/list_format_records.h"

namespace kvilo::listformat {
namespace {

int InRange(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

} // namespace

ListAppearance WithValueRules(ListAppearance appearance) {
    const ListAppearance defaults;
    if (appearance.setup == 0) {
        ListAppearance off = defaults;
        off.setup = 0;
        return off;
    }
    appearance.gridColour = InRange(appearance.gridColour, 0, 35, defaults.gridColour);
    appearance.barColour = InRange(appearance.barColour, 0, 35, defaults.barColour);
    appearance.lineHeight = InRange(appearance.lineHeight, 6, 40, defaults.lineHeight);
    appearance.fontSize = InRange(appearance.fontSize, 8, 40, defaults.fontSize);
    appearance.fontCode = InRange(appearance.fontCode, 1, 5, defaults.fontCode);
    appearance.wheelScroll = InRange(appearance.wheelScroll, 1, 255, defaults.wheelScroll);
    return appearance;
}

bool StorableFormatLength(std::string_view format) {
    return format.size() >= kMinStoredFormatLength && format.size() <= kMaxStoredFormatLength;
}

} // namespace kvilo::listformat
