#pragma once
// Character classes and letter case of the ASCII range alone, whatever the C locale says (Qt sets it from
// the environment). Bytes outside the range stay as they are.
#include <string>
#include <string_view>

namespace kvilo::base {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = LowerAscii(c);
    return out;
}

} // namespace kvilo::base
