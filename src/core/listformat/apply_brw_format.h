#pragma once
// ApplyBrwFormat: one operation that an owner window calls for its customisable list, with an action code:
// when the window opens (load the stored format and appearance and show them), when it closes (keep the
// list's state in BrwFMem, which start-up writes to "lf.dat" at program end) and on the zoom keys (reset
// to the designed format, smaller, larger). It works on the list through its column model (ListControl) and
// on the stores installed for the process (list_format_stores.h). Nothing happens unless the settings name
// a list and an identifier.
#include "core/listformat/brw_settings.h"

namespace kvilo::listformat {

enum BrwAction {
    kBrwLoad = 1,    // load and apply: when the window opens, after the settings record is filled
    kBrwStore = 2,   // store: when the window closes
    kBrwReset = 3,   // back to the designed format (Ctrl+0)
    kBrwSmaller = 4, // Ctrl+Minus
    kBrwLarger = 5,  // Ctrl+Plus
};

// The tooltip suffix that tells the user about the zoom keys: "[ CTRL + MINUS / PLUS / 0 ] - масштаб".
extern const char* const kZoomTipSuffix;
// The light background that lists get on newer systems.
inline constexpr long kNewerSystemTint = 0xF9F9F9;

void ApplyBrwFormat(int action, BrwSettings& settings);

// Apply appearance: the value rules on the settings, then the font, grid colour, selection bar and its
// text colour, row height and wheel step on the list. Writes each only when it differs from the list's,
// except the row height, which is always written. Also used by the list settings dialog.
void ApplyAppearance(BrwSettings& settings);

// Assigns every named entry of the list's icon list (1-30) again, trimmed, so that the icons are reloaded
// for the list's new font and row height.
void RefreshIconList(ListControl& list);

// The zoom keys' action for an alert key.
int ActionOfAlertKey(AlertKey key);

} // namespace kvilo::listformat
