#pragma once
// Hexadecimal digits, base64 in both directions and percent-encoding for URLs.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::text {

// Upper-case hex: 2 digits for 0..255, 4 up to 65535, 6 up to 16777215, 8 otherwise (two's complement).
std::string HexText(int32_t value);
// Exactly 2 digits.
std::string ByteHex(uint8_t value, bool lowerCase);
// Exactly 8 digits, most significant byte first.
std::string Hex32(uint32_t value, bool lowerCase);

std::string Base64Encode(std::string_view bytes);
// Lenient: never rejects input; "-_" and ".," decode like "+/"; trailing blanks of the result are removed.
std::string Base64Decode(std::string_view text);

// Letters, digits and "~._-" stay; a blank becomes "+" with plusForBlank, every other byte "%XX".
std::string UrlEncode(std::string_view text, bool plusForBlank);

} // namespace kvilo::text
