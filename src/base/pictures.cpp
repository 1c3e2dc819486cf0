#include "base/pictures.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "base/ascii.h"
#include "base/blank_text.h"
#include "base/dates.h"

namespace kvilo::base {
namespace {

constexpr int kHundredthsPerDay = 24 * 60 * 60 * 100;

// Reads a run of digits at `pos` (at most 9, so the value cannot overflow).
std::optional<int> ReadNumber(std::string_view text, size_t& pos) {
    size_t start = pos;
    int value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 9)
        value = value * 10 + (text[pos++] - '0');
    if (pos == start) return std::nullopt;
    return value;
}

// Consumes `c` at `pos` when it is there.
bool Accept(std::string_view text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// A text right-justified in `width`, or "#" repeated when it does not fit (the value is never shown cut).
std::string RightJustify(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return std::string(width, '#');
    return std::string(width - text.size(), ' ') + text;
}

struct NumberPicture {
    bool zeroFill = false;
    int size = 0;
    int places = 0;
    bool blankWhenZero = false;
};

struct DatePicture {
    bool twoDigits = false;
    char separator = '/';
    bool blankWhenZero = false;
};

struct ScientificPicture {
    int width = 0;
    int places = 0;
};

struct Picture {
    enum class Type { Unknown, Text, Number, Date, Time, Scientific, Pattern } type = Type::Unknown;
    int textSize = 0;
    NumberPicture number;
    DatePicture date;
    bool longTime = false;
    ScientificPicture scientific;
};

// n[-][fill]<size>[.<places>][b]; a "-" is accepted (negative numbers always carry their sign).
bool ParseNumber(std::string_view body, NumberPicture& n) {
    size_t pos = 0;
    Accept(body, pos, '-');
    if (pos < body.size() && (body[pos] == '_' || body[pos] == '0')) n.zeroFill = body[pos++] == '0';
    auto size = ReadNumber(body, pos);
    if (!size || *size == 0) return false;
    n.size = *size;
    if (pos < body.size() && body[pos] == '.') {
        ++pos;
        auto places = ReadNumber(body, pos);
        if (!places || *places >= n.size) return false;
        n.places = *places;
    }
    n.blankWhenZero = Accept(body, pos, 'b');
    return pos == body.size();
}

// d[0]6[sep][b] and d[0]17[b].
bool ParseDate(std::string_view body, DatePicture& d) {
    size_t pos = 0;
    d.twoDigits = Accept(body, pos, '0');
    auto kind = ReadNumber(body, pos);
    if (!kind) return false;
    if (*kind == 17) {
        d.twoDigits = true;
        d.separator = '.';
    } else if (*kind == 6) {
        if (pos < body.size() && (body[pos] == '.' || body[pos] == '/' || body[pos] == '-')) d.separator = body[pos++];
    } else {
        return false;
    }
    d.blankWhenZero = Accept(body, pos, 'b');
    return pos == body.size();
}

Picture Parse(std::string_view text) {
    if (!text.empty() && text.front() == '@') text.remove_prefix(1);
    std::string lower = LowerAscii(text);
    Picture p;
    if (lower.empty()) return p;
    std::string_view body = std::string_view(lower).substr(1);
    size_t pos = 0;
    switch (lower.front()) {
    case 's':
        if (auto size = ReadNumber(body, pos); size && pos == body.size()) {
            p.type = Picture::Type::Text;
            p.textSize = *size;
        }
        break;
    case 'n':
        if (ParseNumber(body, p.number)) p.type = Picture::Type::Number;
        break;
    case 'd':
        if (ParseDate(body, p.date)) p.type = Picture::Type::Date;
        break;
    case 't':
        if (body == "7" || body == "8" || body == "7b" || body == "8b") {
            p.type = Picture::Type::Time;
            p.longTime = body.front() == '8';
        }
        break;
    case 'e':
        if (auto width = ReadNumber(body, pos); width && pos < body.size() && body[pos] == '.') {
            ++pos;
            auto places = ReadNumber(body, pos);
            if (places && pos == body.size() && *places < 100) {
                p.type = Picture::Type::Scientific;
                p.scientific = {*width, *places};
            }
        }
        break;
    case 'p':
        if (lower.size() >= 2 && lower.back() == 'p') p.type = Picture::Type::Pattern;
        break;
    }
    return p;
}

std::string FormatNumber(double value, const NumberPicture& n) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, n.places);
    if (result.ec != std::errc()) return std::string(n.size, '#');
    std::string digits(buffer, result.ptr);
    bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.erase(0, 1);
    // A value that rounds to zero is zero: no "-0.00", and "b" blanks it.
    bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if (zero) {
        if (n.blankWhenZero) return std::string(n.size, ' ');
        negative = false;
    }
    std::string sign = negative ? "-" : "";
    if (n.zeroFill) {
        int width = n.size - static_cast<int>(sign.size());
        if (static_cast<int>(digits.size()) > width) return std::string(n.size, '#');
        return sign + std::string(width - digits.size(), '0') + digits;
    }
    return RightJustify(sign + digits, n.size);
}

std::string FormatDate(int64_t dayNumber, const DatePicture& d) {
    int year, month, day;
    // 0 (and anything outside the calendar) is "no date" and shows blank.
    if (dayNumber <= 0 || dayNumber > INT32_MAX || !CalendarDate(static_cast<int32_t>(dayNumber), year, month, day))
        return {};
    char buffer[32];
    if (d.twoDigits)
        std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, d.separator, month, d.separator, year);
    else
        std::snprintf(buffer, sizeof buffer, "%d%c%d%c%04d", day, d.separator, month, d.separator, year);
    return buffer;
}

std::string FormatTime(int64_t time, bool longTime) {
    if (time <= 0) return {};
    int64_t seconds = ((time - 1) % kHundredthsPerDay) / 100;
    char buffer[32];
    if (longTime)
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    else
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60));
    return buffer;
}

std::string FormatScientific(double value, const ScientificPicture& e) {
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, e.places);
    if (result.ec != std::errc()) return std::string(e.width, '#');
    return RightJustify(std::string(buffer, result.ptr), e.width);
}

// Blanks, a sign, digits and one point; anything else ends the number. No digits gives nothing.
std::optional<std::string> ExtractNumber(std::string_view text) {
    std::string number;
    bool point = false, digits = false;
    for (char c : text) {
        if (c == ' ') continue;
        if ((c == '-' || c == '+') && number.empty()) {
            number += c;
        } else if (IsDigit(c)) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    return number;
}

Variant DeformatNumber(std::string_view text) {
    auto number = ExtractNumber(text);
    if (!number) return Variant(0);
    if (number->find('.') != std::string::npos) return Variant(NumericValue(*number));
    int64_t value = 0;
    std::string_view digits = *number;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        return Variant(NumericValue(*number));
    return Variant(static_cast<long long>(value));
}

// day sep month sep year, the separators any of ". / -" or a blank; two-digit years mean 1950..2049.
int32_t DeformatDate(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    size_t pos = 0;
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= trimmed.size() || std::string_view("./- ").find(trimmed[pos]) == std::string_view::npos)
                return kNoDate;
            ++pos;
        }
        size_t start = pos;
        auto value = ReadNumber(trimmed, pos);
        if (!value || (i < 2 && pos - start > 2) || (i == 2 && pos - start != 2 && pos - start != 4)) return kNoDate;
        parts[i] = *value;
        if (i == 2 && pos - start == 2) parts[i] += parts[i] < 50 ? 2000 : 1900;
    }
    if (pos != trimmed.size()) return kNoDate;
    return DayNumber(parts[2], parts[1], parts[0]);
}

int32_t DeformatTime(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    size_t pos = 0;
    int parts[3] = {0, 0, 0};
    int count = 0;
    while (count < 3) {
        size_t start = pos;
        auto value = ReadNumber(trimmed, pos);
        if (!value || pos - start > 2) return 0;
        parts[count++] = *value;
        if (pos == trimmed.size()) break;
        if (trimmed[pos] != ':') return 0;
        ++pos;
    }
    if (count < 2 || pos != trimmed.size() || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return 0;
    return (parts[0] * 3600 + parts[1] * 60 + parts[2]) * 100 + 1;
}

} // namespace

std::string FormatPicture(const Variant& value, std::string_view picture) {
    Picture p = Parse(picture);
    switch (p.type) {
    case Picture::Type::Text:
        return value.text().substr(0, static_cast<size_t>(p.textSize));
    case Picture::Type::Number:
        return FormatNumber(value.real(), p.number);
    case Picture::Type::Date:
        return FormatDate(value.integer(), p.date);
    case Picture::Type::Time:
        return FormatTime(value.integer(), p.longTime);
    case Picture::Type::Scientific:
        return FormatScientific(value.real(), p.scientific);
    case Picture::Type::Pattern:
    case Picture::Type::Unknown:
        break;
    }
    return value.text();
}

Variant DeformatPicture(std::string_view text, std::string_view picture) {
    Picture p = Parse(picture);
    switch (p.type) {
    case Picture::Type::Number:
        return DeformatNumber(text);
    case Picture::Type::Date:
        return Variant(static_cast<int>(DeformatDate(text)));
    case Picture::Type::Time:
        return Variant(static_cast<int>(DeformatTime(text)));
    case Picture::Type::Scientific:
        // "1.2346e+03" reads back whole; anything else as far as it is a plain number.
        if (IsNumericText(text)) return Variant(NumericValue(text));
        return DeformatNumber(text);
    case Picture::Type::Text:
    case Picture::Type::Pattern:
    case Picture::Type::Unknown:
        break;
    }
    return Variant(std::string(text));
}

} // namespace kvilo::base
