#pragma once
// The column entries of the list settings dialog: BFormat filled from the owner's list, one entry per
// column, and the bookkeeping that keeps the entries of a format item in step with the list.
#include <string>

#include "core/listformat/bformat.h"
#include "core/listformat/list_control.h"

namespace kvilo::listformat {

// Widths the dialog works with, in dialog units; 0 = hidden.
inline constexpr int kMaxEntryWidth = 600;

// The name the dialog shows for column `column`: the header text (40 characters), or what marker and choice
// columns stand for: "•" "Маркер", "™" "Маркируемый товар", "!" "Отметка"; an empty header or one beginning
// with "[-" or "[+" "Выбор в списке" when the column keeps the window's background and selection colours
// (its own or `windowColour`), otherwise "???".
std::string ColumnEntryName(const ListFormat& format, int column, long windowColour);

// The width of a group header over its members: the one column's width for a group of one; for more,
// INT((m + 1) / 2) + S - 1 with m members whose widths add up to S, or 0 when S is below 1.
int GroupHeaderWidthOf(const ListFormat& format, int column);

// Brings the header width of every group that has one in line with its members (GroupHeaderWidthOf).
// The members keep their widths: this list draws a group header over its visible members whatever width
// the text gives it, so the members' widths are what the user sees and never change by opening the dialog.
void NormaliseGroupHeaders(ListFormat& format);

// LoadColumnEntries: empties `table`, normalises the owner's group headers, and makes an entry for every
// column of the list, numbered from 1 with COUNT = number x 100, widths forced into 0-600 (the width at
// opening is the reference width). Returns the group flag: whether the list has column groups.
bool LoadColumnEntries(ListControl& list, BFormatTable& table, long windowColour);

// Re-reads what the entries of the format item holding `column` keep of the list: the item text and the
// fixed flags (fixing one column of a group fixes the group).
void RefreshItemEntries(const ListFormat& format, BFormatTable& table, int column);

} // namespace kvilo::listformat
