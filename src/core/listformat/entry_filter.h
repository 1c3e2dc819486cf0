#pragma once
// Which column entries the list settings dialog shows: the view variant (" Все", " Рабочие", " Скрытые",
// " Уменьшенные", " Увеличенные") and the search mask with its wildcards.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/listformat/bformat.h"

namespace kvilo::listformat {

enum EntryVariant {
    kVariantAll = 1,      // every entry
    kVariantWorking = 2,  // width > 0
    kVariantHidden = 3,   // width 0
    kVariantNarrowed = 4, // narrower than when the dialog opened
    kVariantWidened = 5,  // wider than when the dialog opened
};
inline constexpr int kVariantCount = 5;

// The caption of a variant in the drop list (1251); empty for a number outside 1-5.
std::string VariantCaption(int variant);

// The search field holds at most 80 characters and shows "ПОИСК" while no search is in use.
inline constexpr size_t kMaxSearchTextLength = 80;
extern const char* const kSearchPlaceholder;

// The mask for a search text: empty (no search) for a blank text or the placeholder, otherwise "*", the
// upper-case text without its trailing blanks, and "*". A text beginning with "^" thus finds the columns
// whose name begins with the rest of it, since the text matched begins with "^" (EntryShown).
std::string SearchMask(std::string_view searchText);

// `subject` against `mask`: "*" matches any run of characters, "?" one character, any other byte itself.
// Takes at most |subject| x |mask| steps whatever the mask, so a mask of nothing but wildcards is cheap.
bool MaskMatches(std::string_view subject, std::string_view mask);

// Whether the dialog shows `entry` for the variant and the mask: the variant's width test, and with a mask
// the upper-case "^" + name + "|" + group name (both trimmed) matching it.
bool EntryShown(const BFormatEntry& entry, int variant, std::string_view mask);

} // namespace kvilo::listformat
