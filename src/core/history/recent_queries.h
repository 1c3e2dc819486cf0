#pragma once
// The queries the user ran lately, newest first, for the query field to offer again. They are kept in the
// settings store on this machine, one entry per query, and only queries that found entries are kept.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::framework {
class SettingsStore;
}

namespace kvilo::history {

inline constexpr size_t kRecentQueryCount = 30;
// The store's section; its entries are "Query1" (the newest) to "Query30".
inline constexpr const char* kRecentQueriesSection = "RecentQueries";

class RecentQueries {
public:
    // Reads the kept queries; blank and repeated entries are skipped.
    void Load(const framework::SettingsStore& store);
    // Writes the list back and deletes the entries it no longer fills.
    void Save(framework::SettingsStore& store) const;

    // Puts the query, without its surrounding blanks, first: an equal one moves up, the oldest beyond
    // thirty goes. A blank query changes nothing.
    void Add(std::string_view query);
    void Clear() { items_.clear(); }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

} // namespace kvilo::history
