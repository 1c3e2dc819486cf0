#include "core/listformat/column_move.h"

#include <algorithm>

#include "base/blank_text.h"

namespace kvilo::listformat {
namespace {

// The number of columns of the item holding `column`: a group's size for any of its members, so that a
// move to the left, which meets a group at its last column, jumps the whole group too.
int ItemSize(const ListFormat& format, int column) {
    return format.itemColumnCount(format.groupNumber(column));
}

// The ordering values of a move: the moving entries get a COUNT between the neighbour's item and the one
// beyond it (one below or above the hundreds), so the entries sorted by COUNT are in their new order.
bool MarkMove(const ListFormat& format, BFormatTable& table, int column, int direction) {
    const int entries = static_cast<int>(table.Size());
    const int first = format.firstColumnOfItem(format.groupNumber(column));
    const int last = first + ItemSize(format, column) - 1;
    if ((direction < 0 && first <= 1) || (direction > 0 && last >= entries)) return false;
    const int edge = direction < 0 ? first : last;
    const int count = (edge + direction * ItemSize(format, edge + direction)) * 100 + direction;
    for (int c = first; c <= last; ++c) {
        BFormatEntry* entry = table.FindByNumber(c);
        if (!entry) return false;
        entry->count = count;
    }
    return true;
}

// BFO:ByCount over the entries, equal values in column order (a group's members keep theirs).
std::vector<BFormatEntry*> InCountOrder(BFormatTable& table) {
    std::vector<BFormatEntry*> order = table.ByNumber();
    std::stable_sort(order.begin(), order.end(),
                     [](const BFormatEntry* a, const BFormatEntry* b) { return a->count < b->count; });
    return order;
}

void Renumber(const std::vector<BFormatEntry*>& order) {
    int number = 0;
    for (BFormatEntry* entry : order) {
        entry->colNumber = ++number;
        entry->count = number * 100;
    }
}

void ResetCounts(BFormatTable& table) {
    for (BFormatEntry& entry : table.Entries())
        entry.count = entry.colNumber * 100;
}

} // namespace

std::string RebuildFormatText(const std::vector<BFormatEntry*>& entries) {
    std::string text;
    int previous = 0;
    for (const BFormatEntry* entry : entries) {
        if (entry->groupNo != previous) text += base::Trim(entry->groupFormat);
        previous = entry->groupNo;
    }
    return text;
}

int MoveColumn(ListControl& list, BFormatTable& table, int column, int direction) {
    const ListFormat& format = list.Format();
    if ((direction != -1 && direction != 1) || static_cast<int>(table.Size()) != format.columnCount() ||
        !format.exists(column) || !table.FindByNumber(column))
        return 0;
    if (!MarkMove(format, table, column, direction)) {
        ResetCounts(table);
        return 0;
    }
    BFormatEntry* moved = table.FindByNumber(column);
    const std::vector<BFormatEntry*> order = InCountOrder(table);
    const std::string text = RebuildFormatText(order);
    if (text.size() > kMaxRebuiltFormatLength || !list.SetFormatText(text)) {
        ResetCounts(table);
        return 0;
    }
    Renumber(order);
    return moved->colNumber;
}

} // namespace kvilo::listformat
