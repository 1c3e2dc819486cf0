#pragma once
// BrwFMem (table "BrwMem"): the in-memory table of list states for the whole process, one entry per list
// identifier, shared by all threads. Every call takes the table's lock for its one lookup or change, so
// windows on different threads may show lists at the same time.
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/listformat/list_format_records.h"

namespace kvilo::listformat {

class BrwFMem {
public:
    // Find in memory: the entry whose identifier equals `idBrowse` exactly.
    std::optional<BrwMemEntry> Find(const std::string& idBrowse) const;
    // Put in memory: inserts a new entry or replaces the one with the same identifier.
    void Put(const BrwMemEntry& entry);
    // Every entry in key order (the order of the file's key).
    std::vector<BrwMemEntry> Entries() const;
    bool Empty() const;
    // Discards every entry (after the final save).
    void Clear();

private:
    mutable std::mutex mutex_;
    std::map<std::string, BrwMemEntry> entries_;
};

} // namespace kvilo::listformat
