#include "core/history/recent_queries.h"

#include <algorithm>

#include "base/blank_text.h"
#include "core/framework/settings_store.h"

namespace kvilo::history {
namespace {

std::string EntryName(size_t index) {
    return "Query" + std::to_string(index + 1);
}

} // namespace

void RecentQueries::Load(const framework::SettingsStore& store) {
    items_.clear();
    for (size_t i = 0; i < kRecentQueryCount; ++i) {
        const std::string query(base::Trim(store.Fetch(kRecentQueriesSection, EntryName(i))));
        if (!query.empty() && std::find(items_.begin(), items_.end(), query) == items_.end()) items_.push_back(query);
    }
}

void RecentQueries::Save(framework::SettingsStore& store) const {
    for (size_t i = 0; i < kRecentQueryCount; ++i) {
        if (i < items_.size())
            store.Update(kRecentQueriesSection, EntryName(i), items_[i]);
        else
            store.Delete(kRecentQueriesSection, EntryName(i));
    }
}

void RecentQueries::Add(std::string_view query) {
    const std::string text(base::Trim(query));
    if (text.empty()) return;
    items_.erase(std::remove(items_.begin(), items_.end(), text), items_.end());
    items_.insert(items_.begin(), text);
    if (items_.size() > kRecentQueryCount) items_.resize(kRecentQueryCount);
}

} // namespace kvilo::history
