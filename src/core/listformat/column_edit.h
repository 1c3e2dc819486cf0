#pragma once
// The list settings dialog's operations on one column entry and its column in the owner's list: width by
// a step, hide / show, a typed width, fixed, header colour. Each shows on the list at once. Operations that
// cannot apply (no such entry, width out of range, a refused step) change nothing and return false.
#include <optional>
#include <string_view>

#include "core/listformat/bformat.h"
#include "core/listformat/list_control.h"

namespace kvilo::listformat {

// The tints that tell a column narrower or wider than when the dialog opened (0x00BBGGRR).
inline constexpr long kNarrowedTint = 0xEEEEFF;
inline constexpr long kWidenedTint = 0xFFFFEE;
// The width a hidden column gets back when nothing else tells one.
inline constexpr int kFallbackShowWidth = 50;

// ChangeColumnWidth: the entry numbered `column` changes its width by `step` (0 hides the column and
// remembers its width for showing it again). A non-zero step that leaves less than 1 is refused; the
// result is kept within 0-600. Then the group holding the column gets its header width over its members
// and a separator after every member that is visible or last; the column is tinted for a width below or
// above its width at opening, or gets its own colours back at that width.
bool ChangeColumnWidth(ListControl& list, BFormatTable& table, int column, int step);
// The same on a format being edited, for changing many columns with the list shown once.
bool ChangeColumnWidth(ListFormat& format, BFormatTable& table, int column, int step);

// The width that showing a hidden entry gives back: the width it had when it was hidden; else its width
// at opening; else the width in `designedFormat` of the designed column showing the same field; else 50.
int ShowWidth(const ListFormat& format, const BFormatEntry& entry, std::string_view designedFormat);

// Hide / show: a visible column is hidden, a hidden one shown with ShowWidth.
bool HideShowColumn(ListControl& list, BFormatTable& table, int column, std::string_view designedFormat);

// A width typed into the entry list: 1 to 3 digits worth at most 600, blanks around allowed. Anything else
// (a sign, letters, more) is no width.
std::optional<int> ParseTypedWidth(std::string_view text);

// A typed width becomes the step from the entry's width; the same width changes nothing.
bool SetTypedWidth(ListControl& list, BFormatTable& table, int column, std::string_view text);

// Fixed (no sideways scrolling) on or off for the column; for a column of a group, the whole group.
bool ToggleFixed(ListControl& list, BFormatTable& table, int column);

// The column's header text colour becomes `colour` when it differs from the one it has.
bool SetHeaderColour(ListControl& list, BFormatTable& table, int column, long colour);

// Gives every column that has an entry back the colours it had when the dialog opened (drops the tints).
void RestoreEntryColours(ListControl& list, BFormatTable& table);

} // namespace kvilo::listformat
