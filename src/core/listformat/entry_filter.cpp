#include "core/listformat/entry_filter.h"

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/cp1251.h"

namespace kvilo::listformat {

using namespace base::literals;

const char* const kSearchPlaceholder = "ПОИСК"_ansi;

std::string VariantCaption(int variant) {
    switch (variant) {
    case kVariantAll:
        return " Все"_ansi;
    case kVariantWorking:
        return " Рабочие"_ansi;
    case kVariantHidden:
        return " Скрытые"_ansi;
    case kVariantNarrowed:
        return " Уменьшенные"_ansi;
    case kVariantWidened:
        return " Увеличенные"_ansi;
    default:
        return {};
    }
}

std::string SearchMask(std::string_view searchText) {
    const std::string_view text = base::RightTrim(searchText.substr(0, kMaxSearchTextLength));
    if (base::Trim(text).empty() || base::Trim(text) == kSearchPlaceholder) return {};
    return "*" + base::UpperText(text) + "*";
}

// The classic two-pointer match: on a mismatch after a "*", the star takes one more character and the
// match resumes from there. Only the last star ever needs revisiting, so no backtracking tree builds up.
bool MaskMatches(std::string_view subject, std::string_view mask) {
    size_t s = 0;
    size_t m = 0;
    size_t star = std::string_view::npos;
    size_t resume = 0;
    while (s < subject.size()) {
        if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = s;
        } else if (m < mask.size() && (mask[m] == '?' || mask[m] == subject[s])) {
            ++m;
            ++s;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            s = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

namespace {

bool PassesVariant(const BFormatEntry& entry, int variant) {
    switch (variant) {
    case kVariantWorking:
        return entry.colWidth > 0;
    case kVariantHidden:
        return entry.colWidth == 0;
    case kVariantNarrowed:
        return entry.colWidth < entry.savWidth;
    case kVariantWidened:
        return entry.colWidth > entry.savWidth;
    default:
        return true;
    }
}

} // namespace

bool EntryShown(const BFormatEntry& entry, int variant, std::string_view mask) {
    if (!PassesVariant(entry, variant)) return false;
    if (mask.empty()) return true;
    const std::string subject =
        "^" + std::string(base::Trim(entry.colName)) + "|" + std::string(base::Trim(entry.groupName));
    return MaskMatches(base::UpperText(subject), mask);
}

} // namespace kvilo::listformat
