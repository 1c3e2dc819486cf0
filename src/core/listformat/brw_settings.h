#pragma once
// BrwSettings: what an owner window keeps for one customisable list, and the list fonts. See
// apply_brw_format.h for what moves the settings between the list and the stores.
#include <string>

#include "core/listformat/list_control.h"
#include "core/listformat/list_format_records.h"

namespace kvilo::listformat {

// The list identifier of the main window's result list.
inline constexpr const char* kMainListId = "BrwEGRUL";

// Lists always ask for the Cyrillic character set.
inline constexpr int kListFontCharset = 204;

// The font of a list font code: 1 "Segoe UI", 2 "Calibri", 3 "Tahoma", 4 "Verdana", any other "Arial".
// Which face the system shows for the name is the font mapping's business (gui/framework/program_font.h).
const char* ListFontName(int fontCode);

struct BrwSettings {
    // The owner window's list control; it stands for the window too (the control knows its window).
    // nullptr = not set, and every list-format operation then does nothing.
    ListControl* list = nullptr;
    std::string listId;        // key into the stores, at most 20 characters
    ListAppearance appearance; // FSETUP and the six appearance settings
    std::string defaultFormat; // the list's designed format text (or the stored DEFFORMAT)
};

} // namespace kvilo::listformat
