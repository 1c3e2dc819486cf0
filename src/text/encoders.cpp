#include "text/encoders.h"

#include "base/blank_text.h"

namespace kvilo::text {
namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Never rejects: the URL-safe and the older ".," alphabets map onto "+/", every other byte counts as 0.
uint32_t Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<uint32_t>(c - 'A');
    if (c >= 'a' && c <= 'z') return static_cast<uint32_t>(c - 'a' + 26);
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0' + 52);
    if (c == '+' || c == '-' || c == '.') return 62;
    if (c == '/' || c == '_' || c == ',') return 63;
    return 0;
}

bool StaysInUrl(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '~' || c == '.' ||
           c == '_' || c == '-';
}

} // namespace

std::string HexText(int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    int digits = bits <= 0xFF ? 2 : bits <= 0xFFFF ? 4 : bits <= 0xFFFFFF ? 6 : 8;
    std::string out(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, bits >>= 4)
        out[static_cast<size_t>(i)] = kUpperDigits[bits & 0xF];
    return out;
}

std::string ByteHex(uint8_t value, bool lowerCase) {
    const char* digits = lowerCase ? kLowerDigits : kUpperDigits;
    return {digits[value >> 4], digits[value & 0xF]};
}

std::string Hex32(uint32_t value, bool lowerCase) {
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out += ByteHex(static_cast<uint8_t>(value >> shift), lowerCase);
    return out;
}

std::string Base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t count = bytes.size() - i < 3 ? bytes.size() - i : 3;
        uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k)
            out += k <= count ? kBase64Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text) {
    text = base::RightTrim(text);
    const size_t n = text.size();
    const size_t pad = n > 0 && (n % 4 != 0 || text.back() == '=') ? 1 : 0;
    const size_t full = ((n + 3) / 4 - pad) * 4;
    // A character past the end of a short final group counts as 0, like any byte outside the alphabet.
    auto at = [&](size_t i) { return i < n ? Base64Value(text[i]) : 0u; };
    std::string out;
    out.reserve(full / 4 * 3 + 2);
    for (size_t i = 0; i < full; i += 4) {
        uint32_t group = (at(i) << 18) | (at(i + 1) << 12) | (at(i + 2) << 6) | at(i + 3);
        out += static_cast<char>(group >> 16);
        out += static_cast<char>((group >> 8) & 0xFF);
        out += static_cast<char>(group & 0xFF);
    }
    if (pad == 1) {
        uint32_t group = (at(full) << 18) | (at(full + 1) << 12);
        out += static_cast<char>(group >> 16);
        if (n > full + 2 && text[full + 2] != '=') {
            group |= at(full + 2) << 6;
            out += static_cast<char>((group >> 8) & 0xFF);
        }
    }
    out.resize(base::RightTrim(out).size());
    return out;
}

std::string UrlEncode(std::string_view text, bool plusForBlank) {
    std::string out;
    for (char c : base::RightTrim(text)) {
        auto byte = static_cast<unsigned char>(c);
        if (StaysInUrl(byte)) {
            out += c;
        } else if (c == ' ' && plusForBlank) {
            out += '+';
        } else {
            out += '%';
            out += ByteHex(byte, false);
        }
    }
    return out;
}

} // namespace kvilo::text
