#pragma once
// The request of a party lookup: its XML body and the fixed values of the session.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::lookup {

// The legal-form filter of the window: 0 legal entities, 1 sole traders, 2 (or more) both.
inline constexpr uint8_t kLegalOnly = 0;
inline constexpr uint8_t kIndividualOnly = 1;
inline constexpr uint8_t kAllForms = 2;

inline constexpr int kHitsAskedFor = 20;
inline constexpr const char* kUserAgent = "Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)";
inline constexpr const char* kSuggestPartyPath = "/suggestions/api/4_1/rs/suggest/party";
inline constexpr const char* kFindPartyByIdPath = "/suggestions/api/4_1/rs/findById/party";
inline constexpr const char* kVersionPath = "/api/v2/version";
inline constexpr size_t kMaxQueryLength = 200; // the query field holds 200 characters

// The UTF-8 body for a Windows-1251 query. The query goes in escaped (base::EscapeMarkup, so that the
// service reads exactly the text and no text can add elements to the request), leading blanks kept; its
// trailing blanks are never sent.
std::string BuildRequestBody(std::string_view query, uint8_t legalForm, uint8_t region);

} // namespace kvilo::lookup
