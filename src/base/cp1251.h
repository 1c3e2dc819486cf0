#pragma once
// The Windows-1251 code page as data, and "..."_ansi: a UTF-8 literal in the source converted to 1251 bytes
// at compile time, so that Russian messages, captions and keys are written readably and kept in the
// program's own code page.
#include <array>
#include <cstddef>

namespace kvilo::base {

// Unicode code points of the bytes 0x80..0xFF of code page 1251; 0 marks the one undefined byte (0x98).
inline constexpr std::array<char16_t, 128> kCp1251HighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C,
    0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A,
    0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9,
    0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    // 0xC0..0xFF: А..я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B,
    0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439,
    0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// The 1251 byte of a code point, or '?' when 1251 lacks it.
constexpr char Cp1251Byte(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<char>(codePoint);
    // А..я lie in order at 0xC0..0xFF: no search for most of a Russian text, which also keeps long
    // "..."_ansi literals within what a compiler allows a constant evaluation to take.
    if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<char>(0xC0 + (codePoint - 0x0410));
    for (std::size_t i = 0; i < kCp1251HighHalf.size(); ++i)
        if (kCp1251HighHalf[i] != 0 && kCp1251HighHalf[i] == codePoint) return static_cast<char>(0x80 + i);
    return '?';
}

namespace detail {

template <std::size_t N> struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            bytes[i] = text[i];
    }
};

// Decodes well-formed UTF-8 (the compiler has checked the source) and encodes each code point in 1251.
template <std::size_t N> consteval std::array<char, N> ToCp1251(const char (&utf8)[N]) {
    std::array<char, N> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i + 1 < N;) {
        auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = b;
        std::size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra) cp = b & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out[o++] = Cp1251Byte(cp);
        i += extra + 1;
    }
    return out;
}

template <Utf8Literal S> struct AnsiLiteral {
    static constexpr std::array<char, sizeof(S.bytes)> value = ToCp1251(S.bytes);
};

} // namespace detail

namespace literals {
// "Закрыть"_ansi is the zero-terminated 1251 text of the literal.
template <detail::Utf8Literal S> constexpr const char* operator""_ansi() {
    return detail::AnsiLiteral<S>::value.data();
}
} // namespace literals

} // namespace kvilo::base
