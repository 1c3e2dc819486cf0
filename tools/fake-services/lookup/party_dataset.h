#pragma once
// Reading the dataset file (a suggestions answer with every entry of the fake register) into an index.
#include <string>
#include <string_view>
#include <vector>

#include "party_index.h"

namespace kvilo::fake {

// The texts of the elements of the "suggestions" array, exactly as written (escapes and all); empty when
// the text holds no such array or it is cut short.
std::vector<std::string_view> SplitSuggestions(std::string_view text);

// Adds every entry of the dataset text to `index`; false when the text is no dataset or an entry is not a
// JSON object.
bool LoadPartyIndex(std::string_view text, PartyIndex& index);

// The same from a file; false when it cannot be read.
bool LoadPartyIndexFile(const std::string& path, PartyIndex& index);

} // namespace kvilo::fake
