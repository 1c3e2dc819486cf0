#pragma once
// Reading the services' JSON answers into the program's records. An answer that is not JSON, or lacks the
// members, yields nothing; no answer, however malformed or large, can do more.
#include <string_view>

#include "core/lookup/party_row.h"
#include "core/lookup/version_answer.h"

namespace kvilo::lookup {

// What MapAnswer returns for an answer that is not JSON or has no "suggestions" array: unlike an empty
// array, it says nothing about the register.
inline constexpr int kUnreadableAnswer = -1;

// Loads the "suggestions" array of a party answer into working items, turns each into a row appended to
// `rows`, and sorts `rows` by name. Returns the number of items read, or kUnreadableAnswer. At most the
// entries the request asks for (kHitsAskedFor) are read: a service that sends more, or a hostile one that
// sends millions of empty entries, gets its first ones shown.
int MapAnswer(std::string_view answer, PartyRows& rows);

// Loads a version answer; false when it is not a JSON object (`version` is then cleared).
bool LoadVersionAnswer(std::string_view answer, VersionAnswer& version);

} // namespace kvilo::lookup
