#include "core/lookup/russian_collation.h"

#include <algorithm>
#include <memory>
#include <string>

#include <unicode/ucol.h>

#include "base/blank_text.h"
#include "base/code_page.h"

namespace kvilo::lookup {

namespace {

struct CollatorDeleter {
    void operator()(UCollator* c) const noexcept { ucol_close(c); }
};
using CollatorHandle = std::unique_ptr<UCollator, CollatorDeleter>;

// Opened once: opening a collator builds its tables, and comparing with a shared, unmodified collator is
// safe from several threads.
const UCollator* RussianCollator() {
    static const CollatorHandle collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        CollatorHandle c(ucol_open("ru", &status));
        if (U_FAILURE(status)) c.reset();
        return c;
    }();
    return collator.get();
}

std::u16string Wide(std::string_view text) {
    text = base::RightTrim(text);
    std::u16string out;
    int error = 0;
    base::MultiByteToWide(text, base::kCodePage1251, out, error);
    return out;
}

int CompareWide(const UCollator* collator, const std::u16string& a, const std::u16string& b) {
    if (!collator) return a.compare(b);
    return ucol_strcoll(collator, reinterpret_cast<const UChar*>(a.data()), static_cast<int32_t>(a.size()),
                        reinterpret_cast<const UChar*>(b.data()), static_cast<int32_t>(b.size()));
}

} // namespace

int CompareRussian(std::string_view a, std::string_view b) {
    return CompareWide(RussianCollator(), Wide(a), Wide(b));
}

void SortRowsByName(PartyRows& rows) {
    // Each name is converted once, not once per comparison.
    std::vector<std::pair<std::u16string, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys.emplace_back(Wide(rows[i].QFName.View()), i);
    const UCollator* collator = RussianCollator();
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const auto& x, const auto& y) { return CompareWide(collator, x.first, y.first) < 0; });
    PartyRows sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys)
        sorted.push_back(rows[key.second]); // a row is plain data: moving it copies it
    rows = std::move(sorted);
}

} // namespace kvilo::lookup
