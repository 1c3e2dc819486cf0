#include "xlsx/xlsx_text.h"

#include <algorithm>

#include "base/code_page.h"

namespace kvilo::xlsx {

namespace {

bool IsDroppedControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// Whether the text needs any change besides the code page: a CR (perhaps of a CR LF pair), a control
// character, or too many characters.
bool NeedsCleaning(std::string_view text) {
    if (text.size() > kMaxCellTextLength) return true;
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::string Cleaned(std::string_view text) {
    std::string out;
    out.reserve(std::min(text.size(), kMaxCellTextLength));
    for (size_t i = 0; i < text.size() && out.size() < kMaxCellTextLength; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue; // the LF follows
        if (!IsDroppedControl(c)) out.push_back(static_cast<char>(c));
    }
    return out;
}

} // namespace

void ToWorkbookText(std::string_view text, std::string& utf8) {
    // Every 1251 character is one character of the cell, so cutting the 1251 text cuts the cell text.
    utf8 = NeedsCleaning(text) ? base::AnsiToUtf8(Cleaned(text)) : base::AnsiToUtf8(text);
}

void CutUtf8(std::string& utf8, size_t maxBytes) {
    if (utf8.size() <= maxBytes) return;
    size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end; // inside a character
    utf8.resize(end);
}

} // namespace kvilo::xlsx
