#include "core/listformat/column_entries.h"

#include <algorithm>

#include "base/cp1251.h"

namespace kvilo::listformat {

using namespace base::literals;

namespace {

constexpr size_t kMaxNameLength = 40;

bool WindowColour(long colour, long windowColour) {
    return colour == kNoColour || colour == windowColour;
}

int FirstOfItem(const ListFormat& format, int column) {
    return format.firstColumnOfItem(format.groupNumber(column));
}

int ItemSize(const ListFormat& format, int column) {
    return format.itemColumnCount(format.groupNumber(column));
}

} // namespace

std::string ColumnEntryName(const ListFormat& format, int column, long windowColour) {
    const std::string header = format.headerText(column);
    if (header.starts_with("•"_ansi)) return "Маркер"_ansi;
    if (header.starts_with("™"_ansi)) return "Маркируемый товар"_ansi;
    if (header.starts_with("!")) return "Отметка"_ansi;
    if (header.empty() || header.starts_with("[-") || header.starts_with("[+")) {
        const Colours colours = format.colours(column);
        const bool plain =
            WindowColour(colours.selectedBackground, windowColour) && WindowColour(colours.background, windowColour);
        return plain ? "Выбор в списке"_ansi : "???";
    }
    return header.substr(0, kMaxNameLength);
}

int GroupHeaderWidthOf(const ListFormat& format, int column) {
    const int first = FirstOfItem(format, column);
    const int members = ItemSize(format, column);
    if (members == 1) return format.width(first);
    int sum = 0;
    for (int c = first; c < first + members; ++c)
        sum += format.width(c);
    return sum < 1 ? 0 : (members + 1) / 2 + sum - 1;
}

void NormaliseGroupHeaders(ListFormat& format) {
    for (int c = 1; c <= format.columnCount(); ++c)
        if (format.groupColumnCount(c) > 0 && format.groupHeaderWidth(c) > 0)
            format.setGroupHeaderWidth(c, GroupHeaderWidthOf(format, c));
}

bool LoadColumnEntries(ListControl& list, BFormatTable& table, long windowColour) {
    table.Clear();
    list.EditFormat([](ListFormat& format) {
        NormaliseGroupHeaders(format);
        return true;
    });
    const ListFormat& format = list.Format();
    bool groups = false;
    for (int c = 1; c <= format.columnCount(); ++c) {
        BFormatEntry entry;
        entry.colNumber = c;
        entry.count = c * 100;
        entry.colName = ColumnEntryName(format, c, windowColour);
        entry.colWidth = std::clamp(format.width(c), 0, kMaxEntryWidth);
        entry.savWidth = entry.colWidth;
        entry.colResize = format.resizable(c);
        const Colours colours = format.colours(c);
        entry.bsColor = colours.selectedBackground;
        entry.bColor = colours.background;
        entry.tsColor = colours.selectedText;
        entry.colFixed = format.fixed(c);
        entry.groupName = format.groupHeaderText(c).substr(0, kMaxNameLength);
        entry.groupFormat = format.itemText(c);
        entry.fieldNo = format.fieldNumber(c);
        entry.groupNo = format.groupNumber(c);
        entry.groupCount = format.groupColumnCount(c);
        entry.hColor = format.headerColour(c);
        groups = groups || entry.groupCount > 0;
        table.Insert(entry);
    }
    return groups;
}

void RefreshItemEntries(const ListFormat& format, BFormatTable& table, int column) {
    const int first = FirstOfItem(format, column);
    for (int c = first; c < first + ItemSize(format, column); ++c) {
        if (BFormatEntry* entry = table.FindByNumber(c)) {
            entry->groupFormat = format.itemText(c);
            entry->colFixed = format.fixed(c);
        }
    }
}

} // namespace kvilo::listformat
