#pragma once
// Code page conversion in place of MultiByteToWideChar / WideCharToMultiByte, and the case mapping of the
// program's own code page. In-memory text of the program is Windows-1251; "code page 0" (the system ANSI
// code page) is 1251 on every platform.
#include <string>
#include <string_view>

namespace kvilo::base {

inline constexpr int kCodePageAnsi = 0; // the system ANSI code page: 1251
inline constexpr int kCodePage1251 = 1251;
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf16 = -1; // text held as UTF-16 little-endian code units

// Error codes reported by the conversions (as GetLastError would).
inline constexpr int kErrorInvalidParameter = 87;       // unknown code page
inline constexpr int kErrorNoUnicodeTranslation = 1113; // invalid UTF-8 input

// The byte 0x98, which 1251 leaves undefined, stands for U+0098 in both directions, so that every byte value
// survives a round trip through Unicode.

// Bytes in `codePage` (0, 1251 or 65001) to UTF-16, the input taken up to its first zero byte.
// Returns false and sets `error` for an unknown code page or invalid UTF-8; `out` is then empty.
bool MultiByteToWide(std::string_view bytes, int codePage, std::u16string& out, int& error);

// UTF-16 (up to its first zero unit) to bytes in `codePage` (0, 1251 or 65001). A character that the target lacks
// becomes "?"; an unpaired surrogate becomes "?" too. Returns false and sets `error` for an unknown code page.
bool WideToMultiByte(std::u16string_view units, int codePage, std::string& out, int& error);

// Convenience for the borders of the program (network, workbook, widgets): empty text on failure (invalid
// UTF-8); what 1251 lacks becomes "?".
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// Case mapping that covers ASCII and the Cyrillic letters of 1251 (А-Я / а-я, Ё / ё and the other
// Cyrillic letters 1251 defines in pairs); every other byte is unchanged.
char UpperChar(char c);
char LowerChar(char c);
std::string UpperText(std::string_view text);
std::string LowerText(std::string_view text);
// Case-insensitive equality in 1251, trailing blanks of either side ignored.
bool EqualNoCase(std::string_view a, std::string_view b);

} // namespace kvilo::base
