#include "core/online/version_file.h"

#include "base/ascii.h"
#include "base/dates.h"

namespace kvilo::online {
namespace {

constexpr std::string_view kSection = "EGRULKvilo";
constexpr std::string_view kHttpsPrefix = "https://";
constexpr size_t kSha256HexLength = 64;

using base::LowerAscii;

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// Blanks and tabs around INI names and values do not count.
std::string_view TrimSpace(std::string_view text) {
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

int Digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsUsableLink(std::string_view link) {
    if (link.size() > kMaxLinkLength || link.size() <= kHttpsPrefix.size()) return false;
    if (!SameName(link.substr(0, kHttpsPrefix.size()), kHttpsPrefix)) return false;
    for (char c : link)
        if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F) return false;
    return true;
}

bool IsSha256Hex(std::string_view text) {
    if (text.size() != kSha256HexLength) return false;
    for (char c : text) {
        const char lower = LowerAscii(c);
        if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f'))) return false;
    }
    return true;
}

struct Entries {
    std::string_view date, link, sha256;
    bool hasDate = false, hasLink = false, hasSha256 = false;
};

// The first value of each key in the section.
void Take(std::string_view key, std::string_view value, Entries& entries) {
    if (SameName(key, "Date") && !entries.hasDate) {
        entries.date = value;
        entries.hasDate = true;
    } else if (SameName(key, "Link") && !entries.hasLink) {
        entries.link = value;
        entries.hasLink = true;
    } else if (SameName(key, "Sha256") && !entries.hasSha256) {
        entries.sha256 = value;
        entries.hasSha256 = true;
    }
}

Entries ReadSection(std::string_view text) {
    Entries entries;
    bool inSection = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = TrimSpace(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            inSection = close != std::string_view::npos && SameName(TrimSpace(line.substr(1, close - 1)), kSection);
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos)
            Take(TrimSpace(line.substr(0, equals)), TrimSpace(line.substr(equals + 1)), entries);
    }
    return entries;
}

} // namespace

int32_t ReadVersionDate(std::string_view text) {
    text = TrimSpace(text);
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return 0;
    const int day = Digits(text.substr(0, 2));
    const int month = Digits(text.substr(3, 2));
    const int year = Digits(text.substr(6, 4));
    if (day < 0 || month < 0 || year < 0) return 0;
    return base::DayNumber(year, month, day);
}

PublishedVersion ReadVersionText(std::string_view text) {
    PublishedVersion version;
    if (text.find('\0') != std::string_view::npos) return version;
    // An editor may have put a UTF-8 byte order mark before the first section.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const Entries entries = ReadSection(text);
    version.date = ReadVersionDate(entries.date);
    if (entries.hasSha256) {
        if (!IsSha256Hex(entries.sha256)) return version;
        for (char c : entries.sha256)
            version.sha256 += LowerAscii(c);
    }
    if (IsUsableLink(entries.link)) version.link = std::string(entries.link);
    return version;
}

} // namespace kvilo::online
