#pragma once
// The XML body of a party-suggestion request: a root element of any name holding <query>, <count>,
// optional <type> and any number of <locations><kladr_id>..</kladr_id></locations>.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::fake {

struct SuggestRequest {
    std::string query; // UTF-8, entities decoded
    int count = 10;    // the service's default; at most 20
    std::string type;  // "LEGAL", "INDIVIDUAL" or empty
    std::vector<std::string> kladrIds;
};

inline constexpr int kDefaultCount = 10;
inline constexpr int kMaxCount = 20;

// False when the body is not a well-formed XML document (a bare "&" or "<" in a text, a tag left open or closed
// in the wrong place) or its root element holds no query element: the service then answers 400. Texts are
// read with their entities and character references replaced; of repeated elements the first counts.
bool ParseSuggestXml(std::string_view body, SuggestRequest& request);

} // namespace kvilo::fake
