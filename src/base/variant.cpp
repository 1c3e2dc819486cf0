#include "base/variant.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

#include "base/ascii.h"
#include "base/blank_text.h"

namespace kvilo::base {
namespace {

// The numeric part of a text without its surrounding blanks, or an empty view when the text is not numeric.
std::string_view NumericCore(std::string_view text) {
    const std::string_view core = Trim(text);
    if (core.empty()) return {};
    size_t i = 0;
    if (core[i] == '+' || core[i] == '-') ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < core.size(); ++i) {
        if (IsDigit(core[i]))
            ++digits;
        else if (core[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0) return {};
    if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < core.size() && IsDigit(core[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return {};
    }
    return i == core.size() ? core : std::string_view{};
}

// Truncation toward zero that stays defined for values outside the 64-bit range and for NaN.
int64_t TruncateToInteger(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
    if (value <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

std::string ToChars(double value, std::chars_format format) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string Variant::text() const {
    switch (kind_) {
    case Kind::Integer:
        return std::to_string(integer_);
    case Kind::Real:
        return RealText(real_);
    case Kind::Text:
        break;
    }
    return text_;
}

int64_t Variant::integer() const {
    switch (kind_) {
    case Kind::Integer:
        return integer_;
    case Kind::Real:
        return TruncateToInteger(real_);
    case Kind::Text:
        break;
    }
    // A plain whole number is read exactly; through a double it would lose digits beyond 2^53.
    std::string_view core = NumericCore(text_);
    if (!core.empty() && core.front() == '+') core.remove_prefix(1);
    int64_t exact = 0;
    auto [end, error] = std::from_chars(core.data(), core.data() + core.size(), exact);
    if (!core.empty() && error == std::errc() && end == core.data() + core.size()) return exact;
    return TruncateToInteger(NumericValue(text_));
}

double Variant::real() const {
    switch (kind_) {
    case Kind::Integer:
        return static_cast<double>(integer_);
    case Kind::Real:
        return real_;
    case Kind::Text:
        break;
    }
    return NumericValue(text_);
}

std::string RealText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return "0";
    // The shortest digits that read back as the same value; written without an exponent while the value
    // needs at most 15 significant digits and stays within a readable magnitude.
    std::string scientific = ToChars(value, std::chars_format::scientific);
    size_t e = scientific.find('e');
    int exponent = std::atoi(scientific.c_str() + e + 1);
    size_t significant = 0;
    for (size_t i = 0; i < e; ++i)
        significant += IsDigit(scientific[i]);
    if (significant <= 15 && exponent >= -15 && exponent <= 20) return ToChars(value, std::chars_format::fixed);
    return ToChars(value, std::chars_format::general);
}

bool IsNumericText(std::string_view text) {
    return !NumericCore(text).empty();
}

double NumericValue(std::string_view text) {
    std::string_view core = NumericCore(text);
    if (core.empty()) return 0;
    // from_chars reads as strtod does in the "C" locale (the process locale, which Qt sets from the
    // environment, may want a decimal comma), rounds as correctly, and needs no copy; it takes no "+".
    std::string_view digits = core.front() == '+' ? core.substr(1) : core;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc() && end == digits.data() + digits.size()) return value;
    // Out of range: strtod's infinity or zero.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string copy(core);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

} // namespace kvilo::base
