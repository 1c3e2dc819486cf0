#pragma once
// A value that is a text (Windows-1251 bytes), an integer or a real: what display pictures format, what
// FormatText takes as arguments and what the record mapping reads from and writes to record fields.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::base {

class Variant {
public:
    enum class Kind { Text, Integer, Real };

    Variant() = default;
    Variant(std::string text) : kind_(Kind::Text), text_(std::move(text)) {}
    Variant(std::string_view text) : kind_(Kind::Text), text_(text) {}
    Variant(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}
    Variant(int value) : kind_(Kind::Integer), integer_(value) {}
    Variant(long value) : kind_(Kind::Integer), integer_(value) {}
    Variant(long long value) : kind_(Kind::Integer), integer_(value) {}
    Variant(unsigned value) : kind_(Kind::Integer), integer_(value) {}
    Variant(double value) : kind_(Kind::Real), real_(value) {}

    Kind kind() const { return kind_; }
    bool isText() const { return kind_ == Kind::Text; }
    bool isInteger() const { return kind_ == Kind::Integer; }
    bool isReal() const { return kind_ == Kind::Real; }

    // The text form: a text as it stands, an integer in decimal, a real in its default text form (RealText).
    std::string text() const;
    // The text as it stands, without a copy; only meaningful when isText().
    std::string_view textView() const { return text_; }
    // The integer value: a real or a numeric text truncated toward zero; a text that is not numeric gives 0.
    int64_t integer() const;
    // The real value: a numeric text's value; a text that is not numeric gives 0.
    double real() const;

private:
    Kind kind_ = Kind::Text;
    std::string text_;
    int64_t integer_ = 0;
    double real_ = 0;
};

// The default text form of a real: the shortest text that reads back as the same value, no exponent for
// values written with up to 15 significant digits ("12.5", "1000", "0.1", "-3").
std::string RealText(double value);

// The platform's is-numeric test for text: optional blanks, an optional sign, digits with at most one
// decimal point (at least one digit), and an optional exponent ("1e3", "-2.5E-4"); trailing blanks allowed.
bool IsNumericText(std::string_view text);

// The value of a numeric text (0 when IsNumericText is false).
double NumericValue(std::string_view text);

} // namespace kvilo::base
