#include "core/calculator/calc_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/ascii.h"
#include "base/blank_text.h"

namespace kvilo::calculator {
namespace {

using base::IsDigit;

// The digits of `text` with "." for its one "." or ",", and "-" first for a leading "-"; nothing when
// anything else appears or there is no digit.
std::optional<std::string> NumberChars(std::string_view text) {
    std::string chars;
    size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (text[0] == '-') chars += '-';
        i = 1;
    }
    bool point = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digit = true;
            chars += c;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            chars += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return chars;
}

std::optional<double> ParseChars(const std::string& chars) {
    double value = 0;
    const char* end = chars.data() + chars.size();
    auto [stop, error] = std::from_chars(chars.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// "-1.23456789012345e+19" written out as "-12345678901234500000"; the value is at least 1 in size, so the
// exponent is never negative.
std::string PlainFromScientific(std::string_view scientific) {
    std::string out;
    if (scientific.front() == '-') {
        out += '-';
        scientific.remove_prefix(1);
    }
    const size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (IsDigit(c)) digits += c;
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    size_t exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    const size_t whole = exponent + 1; // digits before the point
    if (whole >= digits.size()) {
        out += digits;
        out.append(whole - digits.size(), '0');
    } else {
        out.append(digits, 0, whole);
        out += '.';
        out.append(digits, whole);
    }
    return out;
}

void DropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
}

} // namespace

std::optional<double> ReadNumber(std::string_view text) {
    std::optional<std::string> chars = NumberChars(base::Trim(text));
    if (!chars) return std::nullopt;
    return ParseChars(*chars);
}

std::optional<std::string> FormatNumber(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // Beyond this the text is longer than a field whatever the rounding.
    if (std::fabs(value) >= 1e40) return std::nullopt;
    char buffer[64];
    std::string text;
    if (std::fabs(value) < 1) {
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, kSignificantDigits);
        text.assign(buffer, result.ptr);
    } else {
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
        text = PlainFromScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
    }
    DropTrailingZeros(text);
    if (text == "-0") text = "0";
    if (text.size() > kMaxFieldLength) return std::nullopt;
    return text;
}

std::optional<std::string> NumberEntry(std::string_view text) {
    std::optional<std::string> chars = NumberChars(base::Trim(text));
    if (!chars) return std::nullopt;
    std::string& entry = *chars;
    const size_t first = entry[0] == '-' ? 1 : 0; // the first digit or the point
    // Leading zeros go, but one stays before the point: "007" is 7, ".5" and "00.5" are 0.5.
    const size_t zeros = std::min(entry.find_first_not_of('0', first), entry.size()) - first;
    entry.erase(first, zeros);
    if (first == entry.size() || entry[first] == '.') entry.insert(first, "0");
    if (entry.back() == '.') entry.pop_back();
    if (first == 1 && entry.find_first_not_of("-0.") == std::string::npos) entry.erase(0, 1);
    return chars;
}

std::optional<std::string> PastedEntry(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\xA0') compact += c;
    const size_t begin = compact.find_first_not_of("\t\r\n");
    if (begin == std::string::npos) return std::nullopt;
    compact = compact.substr(begin, compact.find_last_not_of("\t\r\n") - begin + 1);
    std::optional<std::string> entry = NumberEntry(compact);
    if (!entry || entry->size() > kMaxEntryLength) return std::nullopt;
    return entry;
}

} // namespace kvilo::calculator
