#pragma once
// Reading and writing the format text itself; ListFormat keeps the parsed items and edits them.
#include <string>
#include <string_view>
#include <vector>

#include "core/listformat/list_format.h"

namespace kvilo::listformat {

// Parses a whole format text into items with every column's field number resolved. Returns false for any
// text outside the language (then `items` must not be used).
bool ParseItems(std::string_view text, std::vector<Item>& items);

// Appends the canonical text of `item`. `running` is the field the next column would show without "#n#";
// it is advanced past the item's columns.
void WriteItem(const Item& item, int& running, std::string& out);

} // namespace kvilo::listformat
