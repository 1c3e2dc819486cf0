#include "core/listformat/brw_mem.h"

namespace kvilo::listformat {

std::optional<BrwMemEntry> BrwFMem::Find(const std::string& idBrowse) const {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(idBrowse);
    if (found == entries_.end()) return std::nullopt;
    return found->second;
}

void BrwFMem::Put(const BrwMemEntry& entry) {
    std::lock_guard lock(mutex_);
    entries_[entry.idBrowse] = entry;
}

std::vector<BrwMemEntry> BrwFMem::Entries() const {
    std::lock_guard lock(mutex_);
    std::vector<BrwMemEntry> all;
    all.reserve(entries_.size());
    for (const auto& [id, entry] : entries_)
        all.push_back(entry);
    return all;
}

bool BrwFMem::Empty() const {
    std::lock_guard lock(mutex_);
    return entries_.empty();
}

void BrwFMem::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

} // namespace kvilo::listformat
