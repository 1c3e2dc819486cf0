#include "party_index.h"

#include <algorithm>

#include "base/code_page.h"

namespace kvilo::fake {

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t\r\n,", pos)) != std::string::npos) {
        size_t end = text.find_first_of(" \t\r\n,", pos);
        words.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        pos = end;
    }
    return words;
}

bool InRegion(const PartyEntry& entry, const std::vector<std::string>& kladrIds) {
    if (kladrIds.empty()) return true;
    // A kladr_id is a prefix of the 13-digit code: "77" is Moscow, and a lone "5" reads as the prefix of
    // every region from 50 to 59, as it does for the real service.
    return std::any_of(kladrIds.begin(), kladrIds.end(), [&](const std::string& id) {
        return !id.empty() && entry.regionCode.starts_with(id.substr(0, 2));
    });
}

} // namespace

std::vector<const PartyEntry*> PartyIndex::Find(const SuggestRequest& request) const {
    std::vector<const PartyEntry*> hits;
    std::vector<std::string> words = Words(base::UpperText(base::Utf8ToAnsi(request.query)));
    if (words.empty()) return hits;
    for (const PartyEntry& entry : entries_) {
        if (static_cast<int>(hits.size()) >= request.count) break;
        if (!request.type.empty() && entry.type != request.type) continue;
        if (!InRegion(entry, request.kladrIds)) continue;
        bool all = std::all_of(words.begin(), words.end(),
                               [&](const std::string& w) { return entry.searchText.find(w) != std::string::npos; });
        if (all) hits.push_back(&entry);
    }
    return hits;
}

std::vector<const PartyEntry*> PartyIndex::FindExact(const std::string& code, const std::string& branchType,
                                                     int count) const {
    std::vector<const PartyEntry*> hits;
    for (const PartyEntry& entry : entries_) {
        if (static_cast<int>(hits.size()) >= count) break;
        if (code.empty() || (entry.inn != code && entry.ogrn != code)) continue;
        if (branchType.empty() || entry.branchType == branchType) hits.push_back(&entry);
    }
    return hits;
}

} // namespace kvilo::fake
