#pragma once
// Code page conversion in place of MultiByteToWideChar / WideCharToMultiByte, and the case mapping of the
// program's own code page. In-memory text of the program is Windows-1251; "code page 0" (the system ANSI
// code page) is 1251 on every platform.
#include <array>
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

// What reading UTF-8 does with an ill-formed sequence (a stray continuation byte, a cut or overlong
// sequence, an encoded surrogate, a value above U+10FFFF): Replace puts one U+FFFD in place of each maximal
// ill-formed part and reads on, as MultiByteToWideChar does with flags 0; Fail refuses the whole text, as it
// does with MB_ERR_INVALID_CHARS.
enum class InvalidUtf8 { Replace, Fail };

// Bytes in `codePage` (0, 1251 or 65001) to UTF-16, the input taken up to its first zero byte.
// Returns false and sets `error` for an unknown code page, or for invalid UTF-8 when `invalid` is Fail;
// `out` is then empty.
bool MultiByteToWide(std::string_view bytes, int codePage, std::u16string& out, int& error,
                     InvalidUtf8 invalid = InvalidUtf8::Fail);

// UTF-16 (up to its first zero unit) to bytes in `codePage` (0, 1251 or 65001). A character that the target lacks
// becomes "?"; an unpaired surrogate becomes "?" too. Returns false and sets `error` for an unknown code page.
bool WideToMultiByte(std::u16string_view units, int codePage, std::string& out, int& error);

// UTF-8 (up to its first zero byte) straight to `codePage` (0, 1251 or 65001): the very bytes that
// MultiByteToWide with Replace followed by WideToMultiByte give, without the UTF-16 text in between. Each
// ill-formed part becomes one "?" in 1251 and one U+FFFD in UTF-8. False (and `error` set) only for an
// unknown code page.
bool Utf8ToMultiByte(std::string_view utf8, int codePage, std::string& out, int& error);

// Convenience for the borders of the program (network, workbook, widgets): empty text on failure (invalid
// UTF-8); what 1251 lacks becomes "?".
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// Case mapping that covers ASCII and the Cyrillic letters of 1251 (А-Я / а-я, Ё / ё and the other
// Cyrillic letters 1251 defines in pairs); every other byte is unchanged.
namespace detail {
extern const std::array<unsigned char, 256> kUpperCase;
extern const std::array<unsigned char, 256> kLowerCase;
} // namespace detail
inline char UpperChar(char c) {
    return static_cast<char>(detail::kUpperCase[static_cast<unsigned char>(c)]);
}
inline char LowerChar(char c) {
    return static_cast<char>(detail::kLowerCase[static_cast<unsigned char>(c)]);
}
std::string UpperText(std::string_view text);
std::string LowerText(std::string_view text);
// Case-insensitive equality in 1251, trailing blanks of either side ignored.
bool EqualNoCase(std::string_view a, std::string_view b);

} // namespace kvilo::base
