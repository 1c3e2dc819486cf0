#pragma once
// What kvilo-cli writes: the result rows as tab-separated values or as JSON (UTF-8), and the window's
// messages as text.
#include <string>

#include "core/framework/message_presenter.h"
#include "core/lookup/party_row.h"

namespace kvilo::cli {

// A header line of the party fields' names (party_fields.h), then one line per row in list order. Dates are
// dd.mm.yyyy and empty when 0, the branch count is empty when 0. Control characters inside a text (tabs and
// line breaks among them) become blanks, so that every row stays one line with a value for each field and no
// text from a service can drive the terminal.
std::string RowsAsTsv(const lookup::PartyRows& rows);

// One JSON array of objects keyed by the fields' names; the values are the texts, control characters escaped.
std::string RowsAsJson(const lookup::PartyRows& rows);

// "caption: text" with "|" turned into line breaks, in UTF-8, ending with a line break; control characters
// of the texts become blanks.
std::string MessageAsText(const framework::Message& message);

} // namespace kvilo::cli
