#include "core/listformat/column_edit.h"

#include <algorithm>

#include "base/ascii.h"
#include "base/blank_text.h"
#include "core/listformat/column_entries.h"

namespace kvilo::listformat {
namespace {

constexpr long kBlack = 0x000000;

// The group holding `column` follows its members: header width and separators.
void FitGroup(ListFormat& format, int column) {
    const Item* item = format.itemOf(column);
    if (!item || !item->isGroup) return;
    const int first = format.firstColumnOfItem(format.groupNumber(column));
    const int last = first + format.itemColumnCount(format.groupNumber(column)) - 1;
    if (last > first)
        for (int c = first; c <= last; ++c)
            format.setRightBorder(c, format.width(c) > 0 || c == last);
    format.setGroupHeaderWidth(first, GroupHeaderWidthOf(format, first));
}

Colours TintOf(const BFormatEntry& entry, long textColour) {
    if (entry.colWidth < entry.savWidth) return {textColour, kNarrowedTint, kBlack, kNarrowedTint};
    if (entry.colWidth > entry.savWidth) return {textColour, kWidenedTint, kBlack, kWidenedTint};
    return {textColour, entry.bColor, entry.tsColor, entry.bsColor};
}

using base::IsDigit;

} // namespace

bool ChangeColumnWidth(ListFormat& format, BFormatTable& table, int column, int step) {
    BFormatEntry* entry = table.FindByNumber(column);
    if (!entry || !format.exists(column) || entry->colWidth < 0 || entry->colWidth > kMaxEntryWidth) return false;
    int width = entry->colWidth + step;
    if (step != 0 && width < 1) return false;
    if (step == 0) {
        entry->hideWidth = entry->colWidth;
        width = 0;
    }
    entry->colWidth = std::clamp(width, 0, kMaxEntryWidth);
    format.setWidth(column, entry->colWidth);
    FitGroup(format, column);
    format.setColours(column, TintOf(*entry, format.colours(column).text));
    RefreshItemEntries(format, table, column);
    return true;
}

bool ChangeColumnWidth(ListControl& list, BFormatTable& table, int column, int step) {
    return list.EditFormat([&](ListFormat& format) { return ChangeColumnWidth(format, table, column, step); });
}

int ShowWidth(const ListFormat& format, const BFormatEntry& entry, std::string_view designedFormat) {
    if (entry.hideWidth >= 1) return entry.hideWidth;
    if (entry.savWidth >= 1) return entry.savWidth;
    ListFormat designed;
    if (designed.setText(base::RightTrim(designedFormat))) {
        const int field = format.fieldNumber(entry.colNumber);
        for (int c = 1; c <= designed.columnCount(); ++c) {
            if (designed.fieldNumber(c) != field) continue;
            const int width = designed.width(c);
            if (width >= 1 && width <= kMaxEntryWidth) return width;
            break;
        }
    }
    return kFallbackShowWidth;
}

bool HideShowColumn(ListControl& list, BFormatTable& table, int column, std::string_view designedFormat) {
    const BFormatEntry* entry = table.FindByNumber(column);
    if (!entry) return false;
    if (entry->colWidth >= 1) return ChangeColumnWidth(list, table, column, 0);
    return ChangeColumnWidth(list, table, column, ShowWidth(list.Format(), *entry, designedFormat));
}

std::optional<int> ParseTypedWidth(std::string_view text) {
    const std::string_view digits = base::Trim(text);
    if (digits.empty() || digits.size() > 3 || !std::all_of(digits.begin(), digits.end(), IsDigit)) return {};
    int width = 0;
    for (char c : digits)
        width = width * 10 + (c - '0');
    if (width > kMaxEntryWidth) return {};
    return width;
}

bool SetTypedWidth(ListControl& list, BFormatTable& table, int column, std::string_view text) {
    const std::optional<int> width = ParseTypedWidth(text);
    const BFormatEntry* entry = table.FindByNumber(column);
    if (!width || !entry || *width == entry->colWidth) return false;
    return ChangeColumnWidth(list, table, column, *width - entry->colWidth);
}

bool ToggleFixed(ListControl& list, BFormatTable& table, int column) {
    BFormatEntry* entry = table.FindByNumber(column);
    if (!entry || !list.Format().exists(column)) return false;
    const bool fixed = !entry->colFixed;
    list.EditFormat([&](ListFormat& format) { return format.setFixed(column, fixed); });
    RefreshItemEntries(list.Format(), table, column);
    return true;
}

bool SetHeaderColour(ListControl& list, BFormatTable& table, int column, long colour) {
    BFormatEntry* entry = table.FindByNumber(column);
    if (!entry || colour == entry->hColor) return false;
    if (!list.EditFormat([&](ListFormat& format) { return format.setHeaderColour(column, colour); })) return false;
    entry->hColor = colour;
    RefreshItemEntries(list.Format(), table, column);
    return true;
}

void RestoreEntryColours(ListControl& list, BFormatTable& table) {
    list.EditFormat([&](ListFormat& format) {
        for (const BFormatEntry& entry : table.Entries()) {
            if (!format.exists(entry.colNumber)) continue;
            const long text = format.colours(entry.colNumber).text;
            format.setColours(entry.colNumber, {text, entry.bColor, entry.tsColor, entry.bsColor});
        }
        return true;
    });
}

} // namespace kvilo::listformat
