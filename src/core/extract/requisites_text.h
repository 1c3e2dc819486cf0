#pragma once
// An entry's requisites as the block Russian documents use: the name; ИНН / КПП; ОГРН (ОГРНИП for a sole
// trader); the address; the manager with the post. Plain text for any program and an HTML table for office
// programs, both for the clipboard. Texts are Windows-1251.
#include <string>
#include <vector>

#include "core/lookup/party_row.h"

namespace kvilo::extract {

struct RequisiteLine {
    std::string label; // "ИНН / КПП", "ОГРН", ...; the name's line has "Наименование"
    std::string value;
};

// The block's lines in order; a line whose value is empty is left out. Control characters from the
// service become blanks.
std::vector<RequisiteLine> RequisiteLines(const lookup::PartyRecord& record);

// The block as text: the name alone on the first line, then "label: value" lines, each ended by "\n".
std::string RequisitesText(const lookup::PartyRecord& record);

// The block as an HTML table of label and value cells, every text escaped.
std::string RequisitesHtml(const lookup::PartyRecord& record);

} // namespace kvilo::extract
