#include "core/listformat/bformat.h"

#include <algorithm>

namespace kvilo::listformat {
namespace {

template <class Key> std::vector<BFormatEntry*> SortedBy(std::vector<BFormatEntry>& entries, Key key) {
    std::vector<BFormatEntry*> sorted;
    sorted.reserve(entries.size());
    for (BFormatEntry& entry : entries)
        sorted.push_back(&entry);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const BFormatEntry* a, const BFormatEntry* b) { return key(*a) < key(*b); });
    return sorted;
}

} // namespace

BFormatEntry* BFormatTable::FindByNumber(int colNumber) {
    for (BFormatEntry& entry : entries_)
        if (entry.colNumber == colNumber) return &entry;
    return nullptr;
}

std::vector<BFormatEntry*> BFormatTable::ByNumber() {
    return SortedBy(entries_, [](const BFormatEntry& e) { return e.colNumber; });
}

std::vector<BFormatEntry*> BFormatTable::ByCount() {
    return SortedBy(entries_, [](const BFormatEntry& e) { return e.count; });
}

BFormatTable& BFormat() {
    thread_local BFormatTable table;
    return table;
}

} // namespace kvilo::listformat
