#pragma once
// Display pictures: format a value by a picture and read it back. The picture language:
//   @s<n>                 text cut to n characters
//   @n[fill]<size>[.<places>][b]   number right-justified ("_" or none: blanks, "0": zeros; b: blank when 0)
//   @d[0]6[sep][b], @d17  day.month.year, the locale's short date (dd.mm.yyyy)
//   @t7, @t8              hh:mm, hh:mm:ss
//   @e<w>.<d>             scientific notation
//   @p...p                a pattern kept as text
// Pictures are case-insensitive and may be given with or without the leading "@".
// An unknown picture formats the value as plain text. A number too wide for its picture shows as "#"s;
// day number 0 (and time 0) always shows blank, "b" or not. @p pictures format the value's plain text.
// Two-digit years read back as 1950..2049.
#include <string>
#include <string_view>

#include "base/variant.h"

namespace kvilo::base {

std::string FormatPicture(const Variant& value, std::string_view picture);

// Reads a formatted text back: a day number for a date picture (0 when the text does not match), a time
// for a time picture, a number for a numeric picture, the text itself otherwise.
Variant DeformatPicture(std::string_view text, std::string_view picture);

} // namespace kvilo::base
