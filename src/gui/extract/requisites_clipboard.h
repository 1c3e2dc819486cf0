#pragma once
// Puts an entry's requisites on the clipboard: the block as plain text and as an HTML table, so that a
// text editor takes the lines and an office program a table.
#include "core/lookup/party_row.h"

namespace kvilo::extract {

void CopyRequisites(const lookup::PartyRecord& record);
// Just the INN; nothing is put on the clipboard when the entry has none.
void CopyInn(const lookup::PartyRecord& record);

} // namespace kvilo::extract
