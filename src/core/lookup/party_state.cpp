#include "core/lookup/party_state.h"

#include "base/blank_text.h"

namespace kvilo::lookup {

PartyState PartyStateOf(std::string_view status) {
    status = base::Trim(status);
    if (status == "ACTIVE") return PartyState::Active;
    if (status == "LIQUIDATING") return PartyState::Liquidating;
    if (status == "LIQUIDATED") return PartyState::Liquidated;
    if (status == "BANKRUPT") return PartyState::Bankrupt;
    if (status == "REORGANIZING") return PartyState::Reorganizing;
    return PartyState::Unknown;
}

bool IsMarkedState(PartyState state) {
    return state != PartyState::Active && state != PartyState::Unknown;
}

} // namespace kvilo::lookup
