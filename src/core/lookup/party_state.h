#pragma once
// The register state of an entry as the service reports it. The list shows only three status words (any
// other state reads "???"), so the row keeps the state itself for what needs more: the mark on companies
// that are gone or going.
#include <cstdint>
#include <string_view>

namespace kvilo::lookup {

enum class PartyState : uint8_t { Unknown, Active, Liquidating, Liquidated, Bankrupt, Reorganizing };

// The state of the service's status code ("ACTIVE", "LIQUIDATED", ...); Unknown for any other text.
PartyState PartyStateOf(std::string_view status);

// Liquidated, being liquidated, bankrupt or reorganising: the entry is drawn with the warning mark.
bool IsMarkedState(PartyState state);

} // namespace kvilo::lookup
