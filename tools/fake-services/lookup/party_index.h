#pragma once
// The fake suggestions service's register: the dataset's entries with what a query is matched against.
#include <cstddef>
#include <string>
#include <vector>

#include "suggest_request.h"

namespace kvilo::fake {

struct PartyEntry {
    std::string raw;        // the entry's JSON text exactly as the dataset holds it (escapes kept)
    std::string searchText; // INN, OGRN, KPP, names, address and manager: upper-case Windows-1251
    std::string type;       // "LEGAL" or "INDIVIDUAL"
    std::string regionCode; // address.data.region_kladr_id (13 digits)
    std::string inn;
    std::string ogrn;
    std::string branchType; // "MAIN", "BRANCH" or empty (sole traders)
};

class PartyIndex {
public:
    void Add(PartyEntry entry) { entries_.push_back(std::move(entry)); }
    size_t size() const { return entries_.size(); }
    const PartyEntry& Entry(size_t index) const { return entries_[index]; }

    // The entries in dataset order whose search text holds every word of the query (without regard to
    // case), limited by the type and region filters, at most request.count of them. A blank query finds
    // nothing, as with the real service.
    std::vector<const PartyEntry*> Find(const SuggestRequest& request) const;

    // The entries whose INN or OGRN equals `code`, of `branchType` when one is given, at most `count`.
    std::vector<const PartyEntry*> FindExact(const std::string& code, const std::string& branchType, int count) const;

private:
    std::vector<PartyEntry> entries_;
};

} // namespace kvilo::fake
