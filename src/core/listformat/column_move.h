#pragma once
// MoveColumn: the list settings dialog moves a column, or the whole group holding it, one place left or
// right, jumping a neighbouring group as a whole, and rebuilds the owner's format from the item texts of
// the entries in their new order.
#include <string>
#include <vector>

#include "core/listformat/bformat.h"
#include "core/listformat/list_control.h"

namespace kvilo::listformat {

// A rebuilt format text holds at most this many characters; a move that would need more is refused.
inline constexpr size_t kMaxRebuiltFormatLength = 8128;

// The format text made of the entries' item texts (trimmed), in the order given, each item once: an
// entry adds its item text when its item number differs from the previous entry's.
std::string RebuildFormatText(const std::vector<BFormatEntry*>& entries);

// Moves the entry numbered `column` (and its group's other columns) by `direction` (-1 left, +1 right).
// Nothing happens at an edge, when the rebuilt text would exceed 8128 characters, or when the entries do
// not match the list. Returns the entry's new number, or 0 when nothing moved.
int MoveColumn(ListControl& list, BFormatTable& table, int column, int direction);

} // namespace kvilo::listformat
