#include "core/batch/batch_input.h"

#include <algorithm>
#include <array>

#include "base/blank_text.h"
#include "base/code_page.h"

namespace kvilo::batch {

namespace {

bool IsCodeLength(size_t length) {
    return length == 10 || length == 12 || length == 13 || length == 15;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The cell without surrounding blanks and quotes, and without the blanks and non-breaking spaces that people
// type inside long numbers ("7707 083 893").
std::string CleanCell(std::string_view cell) {
    std::string out;
    for (char c : base::Trim(cell))
        if (c != ' ' && c != '"' && c != '\'' && c != '\xA0') out += c;
    return out;
}

bool HoldsCode(std::string_view cell) {
    const std::string clean = CleanCell(cell);
    return AllDigits(clean) && IsCodeLength(clean.size());
}

bool HoldsDigit(std::string_view cell) {
    return std::any_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text in Windows-1251: UTF-16 and UTF-8 converted, anything else taken as it is.
std::string ToAnsi(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string units;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           static_cast<unsigned char>(bytes[i + 1]) << 8);
        // The conversion stops at a zero unit; a text file has none that matter.
        std::replace(units.begin(), units.end(), u'\0', u' ');
        std::string ansi;
        int error = 0;
        base::WideToMultiByte(units, 1251, ansi, error);
        return ansi;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) return std::string(bytes);
    std::string text(bytes);
    std::replace(text.begin(), text.end(), '\0', ' ');
    std::string ansi = base::Utf8ToAnsi(text);
    return ansi.empty() ? text : ansi;
}

char Delimiter(std::string_view text) {
    constexpr std::array<char, 3> kCandidates = {';', '\t', ','};
    std::string_view head = text.substr(0, size_t{64} * 1024);
    char best = ';';
    long most = 0;
    for (char c : kCandidates) {
        const long count = std::count(head.begin(), head.end(), c);
        if (count > most) {
            most = count;
            best = c;
        }
    }
    return best;
}

std::vector<std::string> SplitCells(std::string_view line, char delimiter) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == delimiter && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

size_t CodeColumn(const std::vector<CellRow>& rows) {
    std::vector<size_t> hits;
    for (const CellRow& row : rows) {
        if (hits.size() < row.cells.size()) hits.resize(row.cells.size());
        for (size_t i = 0; i < row.cells.size(); ++i)
            if (HoldsCode(row.cells[i])) ++hits[i];
    }
    return hits.empty() ? 0 : static_cast<size_t>(std::max_element(hits.begin(), hits.end()) - hits.begin());
}

} // namespace

std::vector<CellRow> ReadTextCells(std::string_view bytes) {
    const std::string text = ToAnsi(bytes);
    const char delimiter = Delimiter(text);
    std::vector<CellRow> rows;
    size_t lineNumber = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++lineNumber;
        if (!base::Trim(line).empty()) rows.push_back({lineNumber, SplitCells(line, delimiter)});
        pos = end + 1;
    }
    return rows;
}

std::vector<BatchLine> ToBatchLines(const std::vector<CellRow>& rows) {
    const size_t column = CodeColumn(rows);
    std::vector<BatchLine> lines;
    lines.reserve(rows.size());
    for (const CellRow& row : rows) {
        const std::string cell = column < row.cells.size() ? row.cells[column] : std::string();
        if (lines.empty() && row.lineNumber == rows.front().lineNumber && !HoldsDigit(cell)) continue;
        BatchLine line;
        line.lineNumber = row.lineNumber;
        line.text = std::string(base::Trim(cell));
        const std::string clean = CleanCell(cell);
        if (AllDigits(clean) && IsCodeLength(clean.size())) line.code = clean;
        line.check = codes::CheckCode(line.code);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace kvilo::batch
