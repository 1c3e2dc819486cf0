#pragma once
// The calculator's numbers as texts: its fields hold what the user typed, and computed values are written
// back in plain decimal notation, so that the next digit appends to something that still reads as a number.
// Reading and writing do not depend on the C locale (a Russian locale would expect "," in strtod).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kvilo::calculator {

// A value field holds at most this many characters; typed entries stop at kMaxEntryLength.
inline constexpr size_t kMaxFieldLength = 40;
inline constexpr size_t kMaxEntryLength = 20;
// Computed values keep this many significant digits: a 64-bit real holds no more reliably, and fewer
// spurious digits mean 0.1 + 0.2 shows 0.3.
inline constexpr int kSignificantDigits = 15;

// A field text as a number: blanks around, an optional sign, digits with at most one "." (or ","). Nothing
// for anything else, and for a number beyond the range of a 64-bit real.
std::optional<double> ReadNumber(std::string_view text);

// `value` in plain decimal notation rounded to 15 significant digits and at most 15 decimals, without
// trailing zeros ("0" for zero of either sign). Nothing when the value is not finite or the text would not
// fit a field.
std::optional<std::string> FormatNumber(double value);

// A number text in the form the keypad would have typed it: blanks around, a "+", leading zeros, a "-" on
// zero and a trailing "." dropped, "," taken as ".". Nothing when ReadNumber would not take it as a number
// (the range aside).
std::optional<std::string> NumberEntry(std::string_view text);

// Pasted text as an entry: as NumberEntry, also with tabs and line ends around it and blanks (also the
// no-break blank) between digit groups. Nothing when it is not a number or is longer than an entry may be.
std::optional<std::string> PastedEntry(std::string_view text);

} // namespace kvilo::calculator
